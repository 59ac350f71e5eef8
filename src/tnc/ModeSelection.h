#pragma once

#include "tnc/TncSession.h"

#include <QString>

namespace vellicor {

class TncControl;

// Choosing a Mode menu item (its function lines, the settings its special
// lines make, its buttons and the pane layout) and pressing a function button.
class ModeSelection {
public:
    ModeSelection(TncSession& session, TncControl& control);

    void selectMode(int index);
    void pressButton(int index);
    void HideFunctionButtons();

private:
    // Runs mode line `number` of `mode`; false when this control was destroyed meanwhile.
    bool runModeLine(int mode, int number);
    void applyWordOutLine(const QString& upperLine);
    void showButtons(int mode);

    TncSession& m_session;
    TncControl& m_control;
};

} // namespace vellicor
