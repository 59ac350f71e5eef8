#pragma once

// The texts the AGW TNC sends of its own; the ones a practice TNC also sends
// are the same byte for byte, so scripts and buttons work on both.
namespace vellicor::agwtext {

inline constexpr char kPrompt[] = "cmd:";
inline constexpr char kSignOn[] = "Vellicor TNC 1.0 on an AGW packet engine";
inline constexpr char kUnknownCommand[] = "?EH";
inline constexpr char kBadValue[] = "?BAD";
inline constexpr char kNoMyCall[] = "?MYCALL not set";
inline constexpr char kConnected[] = "*** CONNECTED to ";
inline constexpr char kDisconnected[] = "*** DISCONNECTED from ";
inline constexpr char kRetriesExceeded[] = "*** retry count exceeded";
inline constexpr char kAlreadyConnected[] = "?already connected to ";
inline constexpr char kNotConnected[] = "?not while disconnected";
inline constexpr char kLinkConnected[] = "Link state is: CONNECTED to ";
inline constexpr char kLinkDisconnected[] = "Link state is: DISCONNECTED";
inline constexpr char kChannel[] = "*** CHANNEL ";
inline constexpr char kChannelConnected[] = ": connected to ";
inline constexpr char kChannelFree[] = ": not connected";
inline constexpr char kClockNotSet[] = "?clock not set";
inline constexpr char kCallRefused[] = "*** the AGW engine refused to register ";
inline constexpr char kHelp[] =
    "Commands: MYCALL call, CONNECT call [VIA digi,...], DISCONNECT, CONV, MONITOR ON/OFF,\r\n"
    "ECHO ON/OFF, PACLEN n, DAYTIME [yymmddhhmm], HELP. Ctrl-C: command mode; Ctrl-A id: channel.";

} // namespace vellicor::agwtext
