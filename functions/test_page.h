#pragma once

#include "link/link_types.h"

namespace lb {

struct TestPageRequest;

// Operation 16: prints the test page described by request.
int PrintTestPage(InterfaceKind kind, const TestPageRequest* request);

} // namespace lb
