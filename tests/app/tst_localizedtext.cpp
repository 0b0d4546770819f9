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
    void everyConstantHasAUniqueOwnerDotNameKey()
    {
        const auto constants = allLocalizedTextConstants();
        QCOMPARE(constants.size(), std::size_t(31));
        QSet<QString> keys;
        for (const LocalizedTextConstant &constant : constants) {
            const QString key = QString::fromLatin1(constant.key);
            QCOMPARE(key.count('.'), 1);
            QVERIFY2(!keys.contains(key), qPrintable(key));
            keys.insert(key);
        }
    }

    void withoutATranslationEachConstantIsItsDefault()
    {
        for (const LocalizedTextConstant &constant : allLocalizedTextConstants())
            QCOMPARE(constant.text(), QString::fromUtf8(constant.defaultText));
        QCOMPARE(MainWindowText::FileCreatedMessage.text(),
                 QStringLiteral("The \"%DEVICENAME%.txt\" file was successfully created.\r"
                                "Now you can quit the application."));
        const QStringList paragraphs =
            InstructionsWindowText::InstructionsStaticTextText.text().split("\r\r");
        QCOMPARE(paragraphs.size(), 6);
        for (int index = 0; index < paragraphs.size(); ++index)
            QVERIFY(paragraphs.at(index).startsWith(QStringLiteral("%1) ").arg(index + 1)));
        QVERIFY(paragraphs.last().endsWith("to check its content."));
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

    void carriageReturnsBecomeLineBreaks()
    {
        QCOMPARE(withLineBreaks("a\rb\r\rc\r\nd"), QStringLiteral("a\nb\n\nc\nd"));
    }
};

QTEST_GUILESS_MAIN(TestLocalizedText)
#include "tst_localizedtext.moc"
