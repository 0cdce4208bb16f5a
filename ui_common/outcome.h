// SPDX-License-Identifier: Apache-2.0
#pragma once
// The outcome of the user's last action ("Clock set", "Data Receiving Error"), told in the main
// window's status bar and replaced by the next one.

#include <QString>
#include <functional>

namespace lb {

// Made again on every language change, so that the text follows the language: a function
// that returns the text through tr(), not a finished text.
using OutcomeText = std::function<QString()>;

// Where outcomes go (the main window); nullptr: nowhere.
void SetOutcomeSink(std::function<void(const OutcomeText&)> sink);
void TellOutcome(const OutcomeText& text);

}   // namespace lb
