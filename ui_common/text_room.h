// SPDX-License-Identifier: Apache-2.0
#pragma once
// Room for the words: a caption longer in another language than in English widens its control
// instead of being cut.

class QWidget;

namespace lb {

// Every label and button under root that was given a minimum width gets at least the width
// its text needs; the designed minimum stays the floor, so English looks as designed. Call
// it again after each change of language. A list (not editable) is given the width of its
// chosen item rather than of its longest one.
void GrowMinimumWidthsToText(QWidget* root);

}   // namespace lb
