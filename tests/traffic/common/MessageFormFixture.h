#pragma once

#include "Fakes.h"
#include "TrafficTestFiles.h"
#include "traffic/common/TrafficGlobals.h"
#include "terminal/TncWriter.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace vellicor::test {

// A message form shown on the fakes, with its controls found by name.
template <typename Form>
struct MessageFormFixture {
    MessageFormFixture() { form.show(); }

    template <typename T>
    T* child(const char* name) { return form.template findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* line(const char* name) { return child<QLineEdit>(name); }
    QPlainTextEdit* box(const char* name) { return child<QPlainTextEdit>(name); }
    void trigger(const char* name) { child<QAction>(name)->trigger(); }
    bool activate()
    {
        QApplication::setActiveWindow(&form);
        return QTest::qWaitForWindowActive(&form);
    }
    // Puts a file with these bytes in the folder and opens it through the
    // form's Open; the file's path.
    QString openFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        fakes.dialogs.fileAnswers = {path};
        trigger("mnuFileOpen");
        return path;
    }

    TestPlatform fakes;
    TrafficGlobals globals;
    TncWriter writer{fakes.link};
    Form form{globals, fakes.platform(), writer};
};

} // namespace vellicor::test
