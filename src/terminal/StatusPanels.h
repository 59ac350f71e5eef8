#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

namespace vellicor {

// The five panels of the status bar, by key, each with a text and a tool tip.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    static inline const QString kStatus = QStringLiteral("Status");
    static inline const QString kMode = QStringLiteral("Mode");
    static inline const QString kComPort = QStringLiteral("Com Port");
    static inline const QString kSettings = QStringLiteral("Settings");
    static inline const QString kDate = QStringLiteral("Date");
    static QStringList keys() { return {kStatus, kMode, kComPort, kSettings, kDate}; }

    explicit StatusPanels(QObject* parent = nullptr);

    QString text(const QString& key) const { return m_panels.value(key).text; }
    QString toolTip(const QString& key) const { return m_panels.value(key).toolTip; }

    // The status panel's text and tool tip both become the text, unchanged.
    void SetStatusText(const QString& text) { setPanel(kStatus, text); }
    void setPanel(const QString& key, const QString& text);
    void setToolTip(const QString& key, const QString& toolTip);
    // "Com Port: N" and "Settings: S", and the status tool tip from its text.
    void showPort(int portNumber, const QString& settings);

signals:
    void changed(const QString& key);

private:
    struct Panel {
        QString text;
        QString toolTip;
    };
    QMap<QString, Panel> m_panels;
};

} // namespace vellicor
