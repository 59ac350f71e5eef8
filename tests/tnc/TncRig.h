#pragma once

#include "FakeScriptHost.h"
#include "Fakes.h"
#include "TestFiles.h"
#include "terminal/TncWriter.h"
#include "tnc/ConnectList.h"
#include "tnc/TncControl.h"
#include "tnc/TncGlobals.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>
#include <utility>

namespace vellicor::test {

// A TNC control wired to fakes, with an open link and a temporary program folder.
struct TncRig {
    TestPlatform fakes;
    TncGlobals globals;
    FakeScriptHost host;
    QTemporaryDir dir;
    TncWriter writer{fakes.link};
    QSignalSpy writes{&writer, &TncWriter::sent};
    QPointer<TncControl> control;

    TncRig()
    {
        fakes.link.open();
        globals.gStartupFile = folder() + QStringLiteral("\\VellicorStartup.txt");
        globals.gShutdownFile = folder() + QStringLiteral("\\VellicorShutdown.txt");
        control = new TncControl(globals, host, writer, fakes.platform(), ProgramFolder(folder()));
    }
    ~TncRig() { delete control.data(); }

    QString folder() const { return dir.path(); }
    QByteArray& written() { return fakes.link.written; }
    // What reached the TNC since the last call, taken off the link's record.
    QByteArray taken() { return std::exchange(fakes.link.written, {}); }

    // Writes a file in the program folder (bytes as given).
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
    // The bytes of a file in the program folder, or "<missing>".
    QByteArray readFile(const QString& name) const { return fileBytes(dir.filePath(name)); }

    // Writes the start-up script and runs it, as the program does at start.
    void runStartup(const QByteArray& script)
    {
        writeFile(QStringLiteral("VellicorStartup.txt"), script);
        control->RunScript(QStringLiteral("Start"));
    }
    // The connect list of the program folder, loaded.
    std::unique_ptr<ConnectList> connectList()
    {
        auto list = std::make_unique<ConnectList>(globals, ProgramFolder(folder()), writer, fakes.beeper, host);
        list->load();
        return list;
    }

    void run(const QString& line)
    {
        QString copy = line;
        control->ExecuteScriptLine(copy);
    }
    void runAll(const QStringList& lines)
    {
        for (const QString& line : lines)
            run(line);
    }
    // Each separate write to the TNC, as the Windows-1252 text it carried.
    QStringList writeList() const
    {
        QStringList list;
        for (const QList<QVariant>& args : writes)
            list.append(args.at(0).toString());
        return list;
    }
};

} // namespace vellicor::test
