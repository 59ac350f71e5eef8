#pragma once

#include "platform/api/HelpViewer.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace vellicor {

// The program's tie to its help: the owner window and the help file path,
// set once at start-up, and the four help operations every window uses.
// The viewer's result is never examined.
class HelpFacility {
public:
    static inline const QString kHelpFileName = QStringLiteral("Vellicor.HLP");
    static inline const QString kContents = QStringLiteral("Contents()");

    explicit HelpFacility(HelpViewer& viewer);

    // The help file in the program's folder: the folder, a "\" unless the
    // folder already ends in one, and "Vellicor.HLP".
    static QString helpFilePath(const QString& programFolder);

    void InitHelp(QObject* owner, const QString& programFolder);
    void ShowHelpContext(int contextId);
    void ShowHelpContents(const QString& command);
    void CloseHelp();

    // gHelpOwner: the main window, which owns the help viewer.
    QObject* helpOwner() const { return m_helpOwner; }
    QString helpFile() const { return m_helpFile; }

private:
    HelpViewer& m_viewer;
    QPointer<QObject> m_helpOwner;
    QString m_helpFile;
};

} // namespace vellicor
