#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace kvr::net {

// A name service: 0 with the first IPv4 address (network order), else the Winsock number.
using HostLookup = std::function<int(std::string_view name, std::uint32_t& address)>;

// The system's name service.
HostLookup systemHostLookup();

inline constexpr int kResolved = 0;
inline constexpr int kResolvePermanent = -1;
inline constexpr int kResolveTemporary = -2;

// A host text with a letter in it (a double-byte lead byte counts) is looked up by name;
// any other is taken as a dotted address and never reaches the name service. Logs why it
// failed; returns kResolved, kResolvePermanent or kResolveTemporary.
int resolveHost(std::string_view host, std::uint32_t& address, const HostLookup& lookup);

// resolveHost with one more try at once after a temporary failure; fails the submission
// with "DNS resolution failed." otherwise.
std::uint32_t resolveOrFail(std::string_view host, const HostLookup& lookup);

}  // namespace kvr::net
