#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;

namespace vellicor {

// Turns every character typed into a text box into upper case as it is
// entered. Text put there by the program (a list entry picked) keeps its case.
class UpperCaseTyping : public QObject {
    Q_OBJECT
public:
    // Installs itself on the box, which owns it.
    static void install(QLineEdit* box);
    // An editable list takes the keys for its text box: installs itself there.
    static void install(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit UpperCaseTyping(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace vellicor
