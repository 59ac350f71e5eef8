#include "windows/HelpFacility.h"

namespace vellicor {

HelpFacility::HelpFacility(HelpViewer& viewer)
    : m_viewer(viewer)
{
}

QString HelpFacility::helpFilePath(const QString& programFolder)
{
    // A folder given with "/" separators ends the same way at its root.
    const QString trimmed = programFolder.trimmed();
    if (trimmed.endsWith(QLatin1Char('\\')) || trimmed.endsWith(QLatin1Char('/')))
        return programFolder + kHelpFileName;
    return programFolder + QLatin1Char('\\') + kHelpFileName;
}

void HelpFacility::InitHelp(QObject* owner, const QString& programFolder)
{
    m_helpOwner = owner;
    m_helpFile = helpFilePath(programFolder);
}

void HelpFacility::ShowHelpContext(int contextId)
{
    m_viewer.showContext(contextId);
}

void HelpFacility::ShowHelpContents(const QString& command)
{
    m_viewer.showContents(command);
}

void HelpFacility::CloseHelp()
{
    m_viewer.close();
}

} // namespace vellicor
