#pragma once

#include <QString>

#include <array>

namespace vellicor {

// The mode and button tables a script fills: modes 0 to 20 (0 belongs to the
// placeholder menu item), eight buttons per mode, at most 200 function lines
// per mode and per button. The tables have a fixed size; a mode, button or
// line number outside them reads as empty and stores nothing, and a line
// beyond the 200th of a list is dropped with the list's count staying at 200.
class ScriptTables {
public:
    static constexpr int kHighestMode = 20;
    static constexpr int kButtons = 8;
    static constexpr int kMaxLines = 200;

    static bool validMode(int mode) { return mode >= 0 && mode <= kHighestMode; }
    static bool validButton(int button) { return button >= 0 && button < kButtons; }

    // Function lines of a mode; line numbers count from 1.
    int modeLineCount(int mode) const;
    QString modeLine(int mode, int line) const;
    // Stores line number `line` and makes the count `line`; false (nothing
    // stored) when the mode or the line number is outside the table.
    bool setModeLine(int mode, int line, const QString& text);
    // Empties the function lines of every mode.
    void clearModeLines();

    QString buttonCaption(int mode, int button) const;
    bool setButtonCaption(int mode, int button, const QString& caption);
    QString buttonTip(int mode, int button) const;
    bool setButtonTip(int mode, int button, const QString& tip);

    // Function lines of button element 0 to 7.
    int buttonLineCount(int mode, int button) const;
    QString buttonLine(int mode, int button, int line) const;
    bool setButtonLine(int mode, int button, int line, const QString& text);

private:
    struct LineList {
        int count = 0;
        std::array<QString, kMaxLines> lines;

        QString line(int number) const;
        bool set(int number, const QString& text);
    };
    struct Button {
        QString caption;
        QString tip;
        LineList functions;
    };
    struct Mode {
        LineList functions;
        std::array<Button, kButtons> buttons;
    };

    const Button* button(int mode, int button) const;
    Button* button(int mode, int button);

    std::array<Mode, kHighestMode + 1> m_modes;
};

} // namespace vellicor
