#include "app/LocalizedText.h"
#include "app/Menu.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QComboBox>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

class OnePad final : public GameInputManager, public GameInputDevice {
public:
    std::int32_t DeviceCount() const override { return 1; }
    GameInputDevice *Device(std::int32_t) override { return this; }
    QString Name() const override { return QStringLiteral("Manette"); }
    std::int32_t ElementCount() override { return 0; }
    GameInputElement *Element(std::int32_t) override { return nullptr; }
};

} // namespace

// The program as a French-speaking user starts it.
class TestTranslationFr : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MainWindow::release(); }

    void captionsMenusAndMessagesAreFrench()
    {
        App::instance()->seams().createGameInputManager = [] {
            return std::make_unique<OnePad>();
        };
        MainWindow *window = MainWindow::instance();
        QCOMPARE(window->savePushButton()->text(), QStringLiteral("Enregistrer..."));
        QStringList titles;
        for (const QAction *menu : Menu::instance()->actions())
            titles.append(menu->text());
        QCOMPARE(titles, (QStringList{QStringLiteral("\u00c9dition"), "Aide"}));
        QStringList helpItems;
        for (const QAction *item : Menu::instance()->findChild<QMenu *>("Help")->actions())
            helpItems.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(helpItems,
                 (QStringList{"Aller sur le site web...", "Nous contacter...",
                              "Lire la documentation...", "Traduire dans une autre langue...", "-",
                              QStringLiteral("Pr\u00e9f\u00e9rences..."), "Quitter",
                              QStringLiteral("\u00c0 propos...")}));

        MessageRecorder recorder;
        App::instance()->seams().saveFileName = [](QWidget *, const QString &) {
            return QString();
        };
        window->mainPopupMenu()->setCurrentIndex(0);
        window->SavePushButton_Action();
        QCOMPARE(recorder.messages,
                 QStringList{QStringLiteral("Le fichier \u00ab Manette.txt \u00bb n'existe pas.")});
    }

    void everyConstantHasAFrenchText()
    {
        int different = 0;
        for (const LocalizedTextConstant &constant : allLocalizedTextConstants()) {
            QVERIFY2(!constant.text().isEmpty(), constant.key);
            if (constant.text() != QString::fromUtf8(constant.defaultText))
                ++different;
        }
        // "Min" and "Max" read the same in French; everything else differs.
        QCOMPARE(different, 29);
        QVERIFY(MainWindowText::FileCreatedMessage.text().contains('\r'));
    }
};

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    App app(argc, argv);
    TestTranslationFr test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translation_fr.moc"
