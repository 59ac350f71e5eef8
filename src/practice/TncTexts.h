#pragma once

// Every text the practice TNC sends of its own, in one place.
namespace vellicor::tnctext {

inline constexpr char kPrompt[] = "cmd:";
inline constexpr char kSignOn[] =
    "Vellicor practice TNC 1.0 (no radio)\r\n"
    "Stations on the air: N0BBS (bulletin board) and N0NET (net control).";
inline constexpr char kUnknownCommand[] = "?EH";
inline constexpr char kBadValue[] = "?BAD";
inline constexpr char kConnected[] = "*** CONNECTED to %1";
inline constexpr char kDisconnected[] = "*** DISCONNECTED from %1";
inline constexpr char kRetriesExceeded[] = "*** retry count exceeded";
inline constexpr char kAlreadyConnected[] = "?already connected to %1";
inline constexpr char kNotConnected[] = "?not while disconnected";
inline constexpr char kLinkConnected[] = "Link state is: CONNECTED to %1";
inline constexpr char kLinkDisconnected[] = "Link state is: DISCONNECTED";
inline constexpr char kChannelConnected[] = "*** CHANNEL %1: connected to %2";
inline constexpr char kChannelFree[] = "*** CHANNEL %1: not connected";
inline constexpr char kClockNotSet[] = "?clock not set";

} // namespace vellicor::tnctext
