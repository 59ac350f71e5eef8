#pragma once

#include <QPlainTextEdit>

namespace vellicor {

// The receive pane widget. Typing into it goes to the send box; taking the
// focus suspends scrolling; function keys press the main window's buttons.
class ReceiveView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ReceiveView(QWidget* parent = nullptr);
    void resetInsertionSize();
    // Commands the pane's context menu offers after its own (Copy, Select All).
    void setContextActions(const QList<QAction*>& actions) { m_contextActions = actions; }

signals:
    void focusTaken();
    void characterTyped(const QString& text);
    void functionKey(int qtKey);
    void visibleLinesChanged(int lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QAction*> m_contextActions;
};

} // namespace vellicor
