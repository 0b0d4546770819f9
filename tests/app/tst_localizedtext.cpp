#include "app/LocalizedText.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

// A translation that knows one key, for checking that lookups are live.
class OneKeyTranslator final : public QTranslator {
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(sourceText) == "MainWindow.SavePushButtonCaption")
            return QStringLiteral("Enregistrer...");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestLocalizedText : public QObject {
    Q_OBJECT

private slots:
    void withoutATranslationEachUniqueKeyGivesItsDefault()
    {
        QSet<QString> keys;
        for (const LocalizedTextConstant &constant : allLocalizedTextConstants()) {
            keys.insert(QString::fromLatin1(constant.key));
            QCOMPARE(constant.text(), QString::fromUtf8(constant.defaultText));
        }
        QCOMPARE(keys.size(), 31);
        const QStringList paragraphs =
            InstructionsWindowText::InstructionsStaticTextText.text().split("\r\r");
        QCOMPARE(paragraphs.size(), 6);
        QVERIFY(paragraphs.last().startsWith("6) "));
    }

    void eachUseLooksTheKeyUpAfresh()
    {
        QCOMPARE(MainWindowText::SavePushButtonCaption.text(), QStringLiteral("Save..."));
        OneKeyTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(MainWindowText::SavePushButtonCaption.text(), QStringLiteral("Enregistrer..."));
        // Constants with the same default keep their own keys.
        QCOMPARE(InstructionsWindowText::OkPushButtonCaption.text(), QStringLiteral("Ok"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(MainWindowText::SavePushButtonCaption.text(), QStringLiteral("Save..."));
    }
};

QTEST_GUILESS_MAIN(TestLocalizedText)
#include "tst_localizedtext.moc"
