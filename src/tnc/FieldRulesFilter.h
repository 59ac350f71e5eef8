#pragma once

#include "tnc/FieldRules.h"

#include <QHash>
#include <QObject>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace vellicor {

// The one typing filter of the program: serves the fields of a window from
// its table of field rules. A typed key's text goes in as the field's
// typing rule makes it (control keys and keys held with Ctrl, Alt or Meta
// pass as they are; pasted or loaded text is never touched); the text is
// cleaned up by the leaving rule when the focus moves on to another control
// of the window (not to a menu, a popup or another window); and entering a
// field can select its whole text.
class FieldRulesFilter : public QObject {
    Q_OBJECT
public:
    // Watches the window's controls named in the table; the window owns the filter.
    static FieldRulesFilter* install(QWidget* window, FieldTable table);

signals:
    // The focus moved on from a field whose rule reports leaving.
    void fieldLeft(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FieldRulesFilter(QWidget* window);

    bool typed(QObject* field, const FieldRule& rule, const QKeyEvent* key) const;
    void left(QWidget* field, const FieldRule& rule, const QFocusEvent* focus);
    static void entered(QObject* field, const FieldRule& rule, const QFocusEvent* focus);

    QWidget* m_window;
    QHash<const QObject*, FieldRule> m_rules;
};

} // namespace vellicor
