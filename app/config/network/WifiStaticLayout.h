#pragma once

// Field offsets of WIFI_PARA_STATIC_T, shared by the page that reads the record
// and the controller that writes it.
namespace WifiStaticLayout {
constexpr int kIp = 0;
constexpr int kMask = 4;
constexpr int kDhcp = 16;
constexpr int kDnsMode = 20;
constexpr int kGateway = 24;
constexpr int kDns1 = 28;
constexpr int kDns2 = 32;
} // namespace WifiStaticLayout
