// A primary screen smaller than 1280 x 900 refuses the start: the message,
// then the end of the program with a failure status. Run by CTest on screens
// of 1279 x 1024 and 1440 x 899, and on 1280 x 900, which passes.
#include "app/program.h"
#include "app/tavrin_application.h"
#include "support/test_form.h"

#include <QScreen>
#include <QtTest>

using namespace tavrin;

class TestScreenRefusal : public QObject {
    Q_OBJECT
private slots:
    void start_follows_the_screen()
    {
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const bool large_enough = screen.width() >= 1280 && screen.height() >= 900;
        RecordingDialogs dialogs;
        const int status = run_program_closing_at_once(dialogs);
        if (large_enough) {
            QCOMPARE(status, 0);
            QVERIFY(dialogs.messages.empty());
        } else {
            QCOMPARE(status, 1);
            QCOMPARE(int(dialogs.messages.size()), 1);
            QCOMPARE(dialogs.messages[0].kind, MessageKind::error);
            QCOMPARE(dialogs.messages[0].text,
                     QString("A képernyő felbontás nem megfelelő! A program működéséhez minimálisan "
                             "szükséges: 1280x1024 vagy 1440x900 (16 bit) képernyőfelbontás."));
        }
    }
};

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    TestScreenRefusal test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_screen_refusal.moc"
