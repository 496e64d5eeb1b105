// The program's texts in other languages: under a pseudo-translation that brackets every
// text it knows, nothing the window, its dialogs or the commands show escapes it; under
// each language, the designed controls' texts fit them.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "cli/command_json.h"
#include "cli/command_line.h"
#include "commands/commands.h"
#include "gui/assistant/assistant_window.h"
#include "gui/help/support_recording_dialog.h"
#include "i18n/translate.h"
#include "support/shown_window.h"
#include "support/when_modal_shows.h"
#include "translation/translations.h"

namespace {

// Words every language shows as they are: the adaptor's own identity strings, the
// thresholds' names; and Qt's own texts (a standard button, the help's heading, a
// key's name in a hint), which Qt's translation answers.
const QStringList kUntranslated{
    QStringLiteral("Corvane"), QStringLiteral("shifter"), QStringLiteral("USB"),
    QStringLiteral("adaptor"), QStringLiteral("US"),      QStringLiteral("SEQH"),
    QStringLiteral("SeqH"),    QStringLiteral("Seq"),     QStringLiteral("Close"),
    QStringLiteral("Options"), QStringLiteral("Ctrl"),    QStringLiteral("Up"),
    QStringLiteral("Down")};

// The words of `text` outside its bracketed parts that are not in kUntranslated.
QString unmarked(QString text) {
    static const QRegularExpression innermost(QStringLiteral(R"(\[[^\[\]]*\])"));
    while (text.contains(innermost)) {  // "[Usage: %1 [options]]" nests
        text.remove(innermost);
    }
    static const QRegularExpression options(QStringLiteral("--?[a-z-]+|<[^>]*>"));
    text.remove(options);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList left;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        if (!kUntranslated.contains(match.captured())) {
            left << match.captured();
        }
    }
    return left.join(QLatin1Char(' '));
}

// What `widget` itself shows: a label's or a button's text, a group box's title.
QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    return group != nullptr ? group->title() : QString();
}

// Every text `top` and the widgets in it show or tell a screen reader, hidden ones too.
QStringList textsIn(QWidget* top) {
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets << top;
    QStringList texts;
    for (QWidget* widget : widgets) {
        texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName()
              << widget->accessibleDescription() << shownText(widget);
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                texts << table->horizontalHeaderItem(column)->text();
                for (int row = 0; row < table->rowCount(); ++row) {
                    texts << (table->item(row, column) ? table->item(row, column)->text() : "");
                }
            }
        }
        for (const QAction* action : widget->actions()) {
            texts << action->text() << action->toolTip();
        }
    }
    return texts;
}

QAction* actionNamed(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

class Translated : public ShownWindowTest {
  protected:
    void SetUp() override { translation::installTranslations(); }
    void TearDown() override {
        ShownWindowTest::TearDown();
        translation::loadTranslations(QLocale::c());  // English again for the other suites
    }

    // Opens a dialog from its menu entry, hands it to `use`, and closes it.
    void withDialog(QAction* entry, const std::function<void(QWidget&)>& use) {
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            use(*dialog);
            dialog->close();
        });
        entry->trigger();
    }
    void withHistoryDialog(const std::function<void(QWidget&)>& use) {
        withDialog(
            actionNamed(form->menu(gui::Menu::Adaptor), gui::CalibrationMenus::tr("&History...")),
            use);
    }

    // The assistant, once a report has named the mode: it shows the steps and warnings.
    QWidget* openAssistant() {
        bus.queueLever(adaptor, {128, 128, false});
        form->deliverWork([](frmMain& window) { window.Timer_Timer(); });
        actionNamed(form->menu(gui::Menu::Tools),
                    gui::CalibrationTools::tr("Calibration &assistant..."))
            ->trigger();
        gui::AssistantWindow* assistant = tools->assistantWindow();
        if (assistant != nullptr) {
            QTest::qWait(400);  // it reads the window a few times a second
        }
        return assistant;
    }

    // The window, the assistant and the History dialog, for the eye, in the build tree.
    void savePictures(const QString& language) {
        const QString stem = QStringLiteral(SHIFTER_TEST_OUTPUT_DIR "/%1-") + language;
        form->grab().save(stem.arg(QLatin1String("window")) + QStringLiteral(".png"));
        QWidget* assistant = openAssistant();
        assistant->grab().save(stem.arg(QLatin1String("assistant")) + QStringLiteral(".png"));
        assistant->close();
        withHistoryDialog([&](QWidget& dialog) {
            dialog.grab().save(stem.arg(QLatin1String("history")) + QStringLiteral(".png"));
        });
    }

    QTemporaryDir dataFolder;
    storage::HistoryStore store{dataFolder.path()};
    storage::HistoryRecorder recorder{store};
};

TEST_F(Translated, UnderThePseudoTranslationEveryShownTextIsLookedUp) {
    translation::loadTranslations(QLocale(QLocale::English), QStringLiteral(SHIFTER_PSEUDO_DIR));
    plugIn(sim::usbShifterIdentity());  // its product name is translated
    showWindow({&recorder, {}, {}});
    ASSERT_TRUE(waitUntilShown([&] { return frm->session.isConnected; }));
    static_cast<QPushButton*>(form->widgetFor(frm->btnUpdate))->click();
    recording::RecordingOptions idle;
    idle.startIdle = true;
    recording::RecordingLayer recording(bus, {}, {}, idle);
    gui::addSupportRecording(*form, recording);

    QStringList texts = textsIn(form.get()) + textsIn(openAssistant());
    withHistoryDialog([&](QWidget& dialog) { texts << textsIn(&dialog); });
    withDialog(form->menu(gui::Menu::Help)->actions().constLast(), [&](QWidget& dialog) {
        texts << textsIn(&dialog);
        const QString start = QCoreApplication::translate("gui::SupportRecording", "Start");
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == start) {
                button->click();  // it now tells how much it has recorded
            }
        }
        texts << textsIn(&dialog);
    });
    for (const char* command : {"--help", "--json", "--gates=1"}) {
        texts << cli::parseCommandLine({QStringLiteral("x"), QLatin1String(command)}).text;
    }
    // What the parser refuses is looked up itself, within the looked-up "%1: %2 Try --help.".
    for (const char* wrong : {"--fullscreen", "--screenshot", "--keep-history=1"}) {
        const QString refusal =
            cli::parseCommandLine({QStringLiteral("x"), QLatin1String(wrong)}).text;
        EXPECT_TRUE(refusal.contains(QStringLiteral(": ["))) << refusal.toStdString();
    }
    const commands::CommandOutput listed = commands::listAdaptorsCommand(bus, nullptr);
    texts << QString::fromStdString(listed.out + listed.err);
    // JSON is the same in every language.
    EXPECT_FALSE(cli::readResultJson(commands::readCommand(bus, nullptr)).contains('['));
    // Closing asks about the unsaved recording.
    whenModalShows<QMessageBox>([&](QMessageBox& question) {
        texts << question.text();
        question.button(QMessageBox::Discard)->click();
    });
    EXPECT_TRUE(form->close());

    for (const QString& text : texts) {
        EXPECT_TRUE(unmarked(text).isEmpty())
            << unmarked(text).toStdString() << " in: " << text.toStdString();
    }
    EXPECT_GT(texts.filter(QStringLiteral("[")).size(), 50);
}

// Known exceptions: (language, control) whose text is wider than the control.
const std::vector<std::pair<QString, QString>> kFitExceptions{};

TEST_F(Translated, InEveryLanguageTheDesignedControlsFitTheirTextsAndNoMenuShortcutRepeats) {
    plugIn();
    for (const QString language : {"de", "fr", "es", "it", "pl", "pt_BR"}) {
        translation::loadTranslations(QLocale(language));
        showWindow({&recorder, {}, {}});
        ASSERT_TRUE(waitUntilShown([&] { return frm->session.isConnected; }));
        if (language == QLatin1String("de") || language == QLatin1String("pl")) {
            savePictures(language);
        }
        for (const char* name : {"Command1", "btnUpdate", "UpgradeFW", "Label2", "Label3", "Label4",
                                 "Label5", "Frame1"}) {
            auto* widget = child<QWidget>(name);
            const QString text = shownText(widget);
            // A button's frame and a group box's title indent take some of its width.
            const int margin = qobject_cast<QLabel*>(widget) != nullptr ? 0 : 12;
            const bool excepted =
                std::find(kFitExceptions.begin(), kFitExceptions.end(),
                          std::pair{language, widget->objectName()}) != kFitExceptions.end();
            EXPECT_TRUE(excepted ||
                        widget->fontMetrics().horizontalAdvance(text) + margin <= widget->width())
                << language.toStdString() << " " << widget->objectName().toStdString() << ": "
                << text.toStdString() << " needs "
                << widget->fontMetrics().horizontalAdvance(text) + margin << " of "
                << widget->width() << " pixels";
        }
        // Within the menu bar and within each menu, no two items share a shortcut key.
        QList<QWidget*> barAndMenus{form->findChild<QMenuBar*>()};
        for (QMenu* menu : form->findChildren<QMenu*>()) {
            barAndMenus << menu;
        }
        for (const QWidget* menu : barAndMenus) {
            QStringList keys;
            for (const QAction* action : menu->actions()) {
                const QString key = QKeySequence::mnemonic(action->text()).toString();
                EXPECT_TRUE(key.isEmpty() || !keys.contains(key))
                    << language.toStdString() << " " << action->text().toStdString();
                keys << key;
            }
        }
    }
}

// A language without a translation, and English, show the English plural, never the
// text's plural markers, and Qt's own texts in English too.
TEST(TranslatedPlural, WithoutATranslationTheEnglishPluralIsShown) {
    constexpr const char* kUnstored =
        "%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)";
    for (const QLocale& locale :
         {QLocale::c(), QLocale(QLocale::English), QLocale(QLocale::Japanese)}) {
        translation::loadTranslations(locale);
        EXPECT_EQ(i18n::translate("Window", kUnstored, nullptr, 1),
                  "1 value is not stored in the adaptor yet; closing the window stores it")
            << locale.name().toStdString();
        EXPECT_EQ(i18n::translate("Window", kUnstored, nullptr, 2),
                  "2 values are not stored in the adaptor yet; closing the window stores them")
            << locale.name().toStdString();
        EXPECT_EQ(translation::qtTranslated("QCommandLineParser", "Options:"), "Options:")
            << locale.name().toStdString();
    }
    translation::loadTranslations(QLocale::c());
}

}  // namespace
