// vellicor-practice-tnc: a TNC and bulletin board to practise with, no radio needed.
#include "practice/PracticeAgwClient.h"
#include "practice/PracticeProgram.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const vellicor::ParsedPracticeOptions parsed = vellicor::parsePracticeOptions(app.arguments().mid(1));
    if (!parsed.options) {
        std::fprintf(stderr, "vellicor-practice-tnc: %s\n%s\n", qPrintable(parsed.error), vellicor::kPracticeUsage);
        return 2;
    }
    vellicor::PracticeProgram program(*parsed.options, [] { return QDateTime::currentDateTime(); });
    const QString failure = program.start();
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "vellicor-practice-tnc: %s\n", qPrintable(failure));
        return 1;
    }
    if (vellicor::PracticeAgwClient* agw = program.agwClient()) {
        QObject::connect(agw, &vellicor::PracticeAgwClient::lost, &app, [](const QString& why) {
            std::fprintf(stderr, "vellicor-practice-tnc: %s\n", qPrintable(why));
            QCoreApplication::exit(1);
        });
    }
    std::printf("%s\n", program.announcement().constData());
    std::fflush(stdout);
    return app.exec();
}
