#pragma once

#include <QString>

#include <optional>

namespace vellicor {

// What an open or save dialog shows. The filter is a list of description and
// pattern pairs separated by "|", as in "Text (*.txt)|*.txt|All Files (*.*)|*.*".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;
    QString fileName;
};

// The standard dialogs; nothing means the operator cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    // Colours are 0x00BBGGRR.
    virtual std::optional<quint32> chooseColor(quint32 initial) = 0;
    // Shows a folder in the desktop's file manager; false when it could not.
    virtual bool showFolder(const QString& /*path*/) { return false; }
};

} // namespace vellicor
