// SPDX-License-Identifier: Apache-2.0
#include "ui_common/outcome.h"

namespace lb {
namespace {

std::function<void(const OutcomeText&)>& Sink() {
    static std::function<void(const OutcomeText&)> sink;
    return sink;
}

}   // namespace

void SetOutcomeSink(std::function<void(const OutcomeText&)> sink) {
    Sink() = std::move(sink);
}

void TellOutcome(const OutcomeText& text) {
    if (Sink() && text) Sink()(text);
}

}   // namespace lb
