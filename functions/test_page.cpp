#include "functions/test_page.h"

namespace lb {

int PrintTestPage(InterfaceKind, const TestPageRequest*) { return kUnknownError; }

} // namespace lb
