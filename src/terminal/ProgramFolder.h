#pragma once

#include <QString>

namespace vellicor {

// The program's folder, where the start-up, shut-down and connect files live,
// and the rules that turn the program's own names into paths on this system.
//
// Names may use "\" as the folder separator. Names that arrive upper-cased
// (from the command line or a script) are matched to an existing file
// ignoring letter case, folder by folder; where nothing matches, the name is
// used as given.
class ProgramFolder {
public:
    // The folder "Vellicor" in the user's data folder ($XDG_DATA_HOME).
    static ProgramFolder standard();
    explicit ProgramFolder(QString path);

    // The folder as the program's names start with it (no trailing separator).
    QString path() const { return m_path; }
    // Creates the folder if it is missing; false when that fails.
    bool ensureExists() const;

    // A name as the program writes it ("\" or "/" separators) to a local path.
    static QString resolve(const QString& name);
    // A script's own file name: a name without a folder separator is in the
    // program's folder; a path is used as given, absolute when it starts with
    // a separator and otherwise relative to the program's folder.
    QString resolvePath(const QString& name) const;
    // A name the program appends to its folder, such as "\NETWORK.TXT":
    // resolved like resolve(), but never leaving the folder.
    QString resolveInside(const QString& name) const;

private:
    QString m_path;
};

} // namespace vellicor
