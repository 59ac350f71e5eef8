#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

namespace vellicor::test {

// A control of a window, a menu item or a child window by its object name;
// null when there is none.
template <typename T>
T* named(const QObject& root, const QString& name)
{
    return root.findChild<T*>(name);
}

// The main window's controls as the operator knows them.
inline QLineEdit& sendBox(const QWidget& window)
{
    return *named<QLineEdit>(window, QStringLiteral("txtSent"));
}

inline QPlainTextEdit& receiveView(const QWidget& window)
{
    return *named<QPlainTextEdit>(window, QStringLiteral("txtReceived"));
}

inline QPushButton& button(const QWidget& window, const QString& name)
{
    return *named<QPushButton>(window, name);
}

// A status-bar panel by its key, such as "Com Port".
inline QLabel& panel(const QWidget& window, QString key)
{
    return *named<QLabel>(window, QStringLiteral("panel") + key.remove(QLatin1Char(' ')));
}

} // namespace vellicor::test
