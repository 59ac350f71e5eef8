#pragma once

// Every text the practice board sends, in one place.
namespace vellicor::boardtext {

inline constexpr char kCall[] = "N0BBS";
inline constexpr char kPrompt[] = "N0BBS>";
inline constexpr char kSid[] = "[VELLICOR-PRACTICE-1.0-H$]";
inline constexpr char kWelcome[] = "Hello %1, welcome to N0BBS, the Vellicor practice board.";
inline constexpr char kNoRadio[] = "Messages stay on this computer; nothing goes on the air.";
inline constexpr char kHelpHint[] = "Type H for the list of commands.";
inline constexpr char kHelp[] =
    "S call      send a message (same as SP)\r\n"
    "SP call     send a private message\r\n"
    "SB topic    send a bulletin\r\n"
    "ST zip @NTSxx  send NTS traffic\r\n"
    "L           list messages\r\n"
    "R n         read message n\r\n"
    "K n         kill message n\r\n"
    "SET/ALIAS call  set a tactical call; SWITCH works under it\r\n"
    "SET/NOALIAS     remove the tactical call\r\n"
    "SWITCH      switch between your call and the tactical call\r\n"
    "B           bye";

inline constexpr char kTitlePrompt[] = "Enter title of message:";
inline constexpr char kTextPrompt[] = "Enter text. End with Ctrl-Z or /EX on a line of its own.";
inline constexpr char kSaved[] = "Message #%1 saved, %2 bytes.";
inline constexpr char kNoTitle[] = "No title: message cancelled.";
inline constexpr char kTooLong[] = "Message too long (over %1 bytes): not saved.";
inline constexpr char kNotSaved[] = "Message could not be saved: %1";
inline constexpr char kMissingCall[] = "Missing call: use S CALL, SP CALL, SB TOPIC or ST ZIP @NTSxx.";
inline constexpr char kBadCall[] = "Bad call or routing: %1";

inline constexpr char kNoMessages[] = "No messages.";
inline constexpr char kListHeading[] = "Msg#  St   Size To      @BBS     From      Date      Title";
inline constexpr char kNeedNumber[] = "Give a message number, e.g. %1 3.";
inline constexpr char kNotFound[] = "Message #%1 not found.";
inline constexpr char kNotYours[] = "Message #%1 is not yours to kill.";
inline constexpr char kKilled[] = "Message #%1 killed.";
inline constexpr char kCannotKill[] = "Message #%1 could not be killed: %2";
inline constexpr char kEndOfMessage[] = "[End of message #%1]";

inline constexpr char kAliasNeedsCall[] = "SET/ALIAS needs a tactical call, e.g. SET/ALIAS SHELTER1.";
inline constexpr char kAliasSet[] = "Tactical call %1 set; SWITCH to work under it.";
inline constexpr char kNowWorkingAs[] = "You are now %1.";
inline constexpr char kNoAliasToSwitch[] = "No tactical call set: use SET/ALIAS first.";
inline constexpr char kAliasRemoved[] = "Tactical call %1 removed; you are %2.";
inline constexpr char kNoAliasToRemove[] = "No tactical call to remove.";

inline constexpr char kUnknown[] = "Unknown command '%1'. Type H for help.";
inline constexpr char kBye[] = "73 de N0BBS";

} // namespace vellicor::boardtext
