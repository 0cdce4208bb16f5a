// SPDX-License-Identifier: Apache-2.0
#pragma once
// The discovery endpoint of every network test: both requests and every request to one
// printer go to a responder on 127.0.0.1, never to the broadcast address or the multicast
// group. The quiet period is short enough that no test sits through the real second; a reply
// that comes at all comes within it on loopback.

#include "network/discovery_exchange.h"

namespace lb::test {

inline DiscoveryEndpoint LoopbackEndpoint(quint16 port, int quietMs = 300) {
    DiscoveryEndpoint endpoint = SingleDestinationEndpoint(QHostAddress(QHostAddress::LocalHost), port);
    endpoint.quietMs = quietMs;
    endpoint.replyWaitMs = 2000;   // waited out only when a printer does not answer
    return endpoint;
}

}   // namespace lb::test
