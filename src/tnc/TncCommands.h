#pragma once

#include "tnc/TncSession.h"

namespace vellicor {

class TncControl;

// Command mode ("Cmd: (F3)"), converse mode ("Conv (F4)"), the channel items
// of the "&User" menu and the autobaud characters.
class TncCommands {
public:
    TncCommands(TncSession& session, TncControl& control);

    void commandMode();
    void converseMode();
    void switchChannel(int index);
    void sendAutobaud();

    static inline const QString kConverseNote = QStringLiteral("\r\nNow in converse mode\r\n");

private:
    TncSession& m_session;
    TncControl& m_control;
};

} // namespace vellicor
