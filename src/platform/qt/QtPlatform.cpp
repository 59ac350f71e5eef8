#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QUrl>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

namespace vellicor {

namespace {

QMessageBox::Icon toIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QColor fromBgr(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

quint32 toBgr(const QColor& color)
{
    return static_cast<quint32>(color.red()) | (static_cast<quint32>(color.green()) << 8)
        | (static_cast<quint32>(color.blue()) << 16);
}

QString withExtension(QString name, const QString& extension)
{
    if (!extension.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += extension.startsWith(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension;
    return name;
}

} // namespace

PromptAnswer QtPrompter::show(const QString& text, const QString& title, PromptButtons buttons,
                              PromptIcon icon)
{
    QMessageBox box(toIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default: return buttons == PromptButtons::Ok || buttons == PromptButtons::OkCancel ? PromptAnswer::Ok : PromptAnswer::No;
    }
}

void QtBeeper::beep()
{
    QApplication::beep();
}

void EventLoopPauser::Pause(double seconds)
{
    if (!(seconds > 0))
        return;
    const double capped = qMin(seconds, 24.0 * 3600.0);
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(capped * 1000.0 + 0.5), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QString QtFileDialogs::toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // "*.*" means every file, also those without an extension.
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '))
                                     .replace(QStringLiteral("*.*"), QStringLiteral("*"));
        const qsizetype paren = description.indexOf(QLatin1Char('('));
        if (paren >= 0)
            description = description.left(paren).trimmed();
        entries.append(QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtFileDialogs::openFile(const FileDialogRequest& request)
{
    const QString name = QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                                      request.fileName, toQtFilter(request.filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtFileDialogs::saveFile(const FileDialogRequest& request)
{
    // The program asks its own overwrite question where it has one.
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                                      request.fileName, toQtFilter(request.filter),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    return withExtension(name, request.defaultExtension);
}

std::optional<quint32> QtFileDialogs::chooseColor(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(fromBgr(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return toBgr(chosen);
}

bool QtFileDialogs::showFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                       + QStringLiteral("/Vellicor/Vellicor.ini"))
{
}

IniSettingsStore::IniSettingsStore(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
    m_unreadable = m_settings->status() == QSettings::FormatError;
}

std::optional<QString> IniSettingsStore::value(const QString& group, const QString& key) const
{
    if (m_unreadable)
        return std::nullopt;
    const QVariant stored = m_settings->value(group + QLatin1Char('/') + key);
    if (!stored.isValid())
        return std::nullopt;
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QLatin1Char(','));
    return stored.toString();
}

bool IniSettingsStore::setValue(const QString& group, const QString& key, const QString& value)
{
    m_settings->setValue(group + QLatin1Char('/') + key, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace vellicor
