#pragma once

#include <QString>
#include <QStringList>

namespace vellicor {

// The practice profile: preferences, scripts, connect list, logs and the
// practice board's messages of their own, so practising never reads or
// writes the operator's own profile.
//   HOME/config/Vellicor/Vellicor.ini   preferences
//   HOME/data/Vellicor/                 scripts, connect list, logs
//   HOME/store/                         the practice board's messages
class PracticeProfile {
public:
    // $VELLICOR_PRACTICE_HOME, else vellicor-practice in the user's data folder.
    static QString defaultHome();
    // The scripts and connect list a new profile starts with.
    static const QStringList& templateFiles();
    // Where the templates are: installed beside the program, else in the source tree.
    static QString templateFolder(const QString& programFolder);
    // The practice TNC program: beside this program, in the build tree's
    // practice folder, else on PATH; empty when there is none.
    static QString practiceTncProgram(const QString& programFolder);

    explicit PracticeProfile(QString home);

    QString configFolder() const { return m_home + QStringLiteral("/config"); }
    QString dataFolder() const { return m_home + QStringLiteral("/data"); }
    QString storeFolder() const { return m_home + QStringLiteral("/store"); }

    // Creates the folders and copies each template that is missing, keeping
    // the operator's edits of those already there. Empty when all went well,
    // else what failed.
    QString prepare(const QString& templateFolder) const;

private:
    QString m_home;
};

} // namespace vellicor
