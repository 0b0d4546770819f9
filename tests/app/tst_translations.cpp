#include "about/AboutWindow.h"
#include "app/InstructionsWindow.h"
#include "app/LocalizedText.h"
#include "app/Menu.h"
#include "prefs/PreferencesWindow.h"
#include "support/FakeGameInput.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <map>
#include <memory>

namespace {

// The languages that ship: every translation compiled into the program.
QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString &file : QDir(":/i18n").entryList({"quillomat_*.qm"}))
        languages.append(file.mid(10).chopped(3));
    return languages;
}

// The id and text of each message of a translation file, and whether any
// message is marked unfinished.
std::map<QString, QString> readTranslations(const QString &language, bool *unfinished)
{
    QFile file(QStringLiteral(QUILLOMAT_SOURCE_DIR "/translations/quillomat_%1.ts").arg(language));
    std::map<QString, QString> texts;
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString id;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value("id").toString();
        } else if (xml.name() == u"translation") {
            *unfinished |= !xml.attributes().value("type").isEmpty();
            texts[id] = xml.readElementText();
        }
    }
    return texts;
}

// What a translation must keep of a text: its placeholders and line breaks.
QString skeleton(const QString &text)
{
    QStringList kept;
    for (const QRegularExpressionMatch &match : QRegularExpression("%[A-Z]+%").globalMatch(text))
        kept.append(match.captured());
    return kept.join(' ') + QStringLiteral(" / %1 line breaks").arg(text.count('\r'));
}

// The controls of a window whose text does not show whole, as "Window/Control".
QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    const auto check = [&](const QWidget *control, bool fits) {
        if (!fits)
            clipped.append(window->objectName() + '/' + control->objectName());
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QRect area = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            area, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
            label->text());
        check(label, area.contains(needed));
    }
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect area =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        check(button, button->fontMetrics().horizontalAdvance(button->text()) <= area.width());
    }
    for (const QCheckBox *box : window->findChildren<QCheckBox *>())
        check(box, box->sizeHint().width() <= box->width());
    for (const QTreeWidget *list : window->findChildren<QTreeWidget *>()) {
        const int margin = list->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int column = 1; column < list->columnCount(); ++column)
            check(list->header(), list->header()->fontMetrics().horizontalAdvance(
                                      list->headerItem()->text(column)) +
                                          2 * margin <=
                                      list->header()->sectionSize(column));
    }
    return clipped;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    std::unique_ptr<QTranslator> translator_;

    void speak(const QString &language)
    {
        for (QTranslator *installed : App::instance()->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(installed);
        if (translator_)
            QCoreApplication::removeTranslator(translator_.get());
        translator_ = std::make_unique<QTranslator>();
        if (translator_->load(":/i18n/quillomat_" + language))
            QCoreApplication::installTranslator(translator_.get());
    }

private slots:
    void init() { useNoDevices(); }
    void cleanup() { MainWindow::release(); }

    // First, as the program started: in the user's language, French here.
    void theProgramSpeaksTheUsersLanguage()
    {
        MainWindow *window = MainWindow::instance();
        QCOMPARE(window->savePushButton()->text(), QStringLiteral("Enregistrer..."));
        QStringList helpItems;
        for (const QAction *item : Menu::instance()->findChild<QMenu *>("Help")->actions())
            helpItems.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(helpItems,
                 (QStringList{"Aller sur le site web...", "Nous contacter...",
                              "Lire la documentation...", "Traduire dans une autre langue...", "-",
                              "Préférences...", "Quitter", "À propos..."}));
        MessageRecorder recorder;
        App::instance()->seams().saveFileName = [](QWidget *, const QString &) {
            return QString();
        };
        window->SavePushButton_Action();
        App::instance()->seams().saveFileName = Seams::defaults().saveFileName;
        QCOMPARE(recorder.messages, QStringList{"Le fichier « .txt » n'existe pas."});
    }

    void everyLanguageHasEveryTextWithItsPlaceholdersAndLineBreaks_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageHasEveryTextWithItsPlaceholdersAndLineBreaks()
    {
        QFETCH(QString, language);
        bool unfinished = false;
        std::map<QString, QString> translated = readTranslations(language, &unfinished);
        QVERIFY(!unfinished);
        for (const LocalizedTextConstant &constant : allLocalizedTextConstants()) {
            const auto found = translated.find(constant.key);
            QVERIFY2(found != translated.end(), constant.key);
            QVERIFY2(!found->second.trimmed().isEmpty(), constant.key);
            QCOMPARE(skeleton(found->second), skeleton(QString::fromUtf8(constant.defaultText)));
            translated.erase(found);
        }
        // Ids that no text of the program has.
        QStringList extra;
        for (const auto &[id, text] : translated)
            extra.append(id);
        QCOMPARE(extra, QStringList());
    }

    // The layouts have fixed sizes: every text must show whole in each
    // language, with the fonts the program uses.
    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString("en");
        for (const QString &language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        speak(language);
        MainWindow *tester = MainWindow::instance();
        tester->show();
        InstructionsWindow *instructions = InstructionsWindow::instance();
        PreferencesWindow::showWithin(tester);
        AboutWindow *about = AboutWindow::instance();
        const auto discard = qScopeGuard([&] {
            delete instructions;
            delete PreferencesWindow::existing();
            delete about;
        });
        QStringList clipped;
        for (QWidget *window :
             QList<QWidget *>{tester, instructions, PreferencesWindow::existing(), about}) {
            window->ensurePolished();
            clipped += clippedTexts(window);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
        if (language != "en")
            QVERIFY(tester->savePushButton()->text() != "Save...");
    }
};

int main(int argc, char **argv)
{
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    App app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
