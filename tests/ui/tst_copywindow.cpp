#include "colour/ColourText.h"
#include "copy/CopyPayload.h"
#include "copy/CopyPictures.h"
#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "storage/UserTextFormats.h"
#include "support/FocusWalk.h"
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/features/AppContext.h"
#include "ui/features/CopyFeature.h"
#include "ui/widgets/ColourListView.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/CopyOptionsPanel.h"
#include "ui/windows/CopyPreviewPanel.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/UserFormatMenu.h"
#include "ui/windows/WheelPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(CopySource)
Q_DECLARE_METATYPE(CopyFormat)
Q_DECLARE_METATYPE(ValueField)

class CopyWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutMatchesTheDesign_data();
    void layoutMatchesTheDesign();
    void startsWithTheDefaults();
    void onlyThePageOfTheChosenFormatShows();
    void copyNowPutsTheResultOnTheClipboard_data();
    void copyNowPutsTheResultOnTheClipboard();
    void copyNowSpotChecks();
    void wmfCopiesTheMetafileTypes();
    void conversionFailureIsReported();
    void previewFollowsSourceAndOptions();
    void enterCopiesWhereverTheFocusIs_data();
    void enterCopiesWhereverTheFocusIs();
    void opensModallyAndF5Toggles();
    void previewButtonAndTitleStripToggleTheHeight();
    void tabVisitsListsOptionsAndButtons_data();
    void tabVisitsListsOptionsAndButtons();
    void settingsAreApplied_data();
    void settingsAreApplied();
    void settingsAreWritten();
    void quickCopyMenuEntries();
    void userFormatsAddedEditedRemoved();
    void lineFormatsInTheFormatList();
    void quickCopy_data();
    void quickCopy();
    void ctrlCInTheMainWindow();
    void rightButtonOnCopyPopsUpTheMenu();
    void mainColourBitmapIsMadeWhenCopying();
    void wheelBitmap();

private:
    void MakeFeature();
    QStringList ListEntries() const;
    QStringList EntriesOf(CopySource source) const;
    QAction* MenuAction(const QString& caption) const;
    QWidget* Find(const QString& name) const;
    void Select(const QList<int>& rows);

    std::unique_ptr<MainWindowKit> m_kit;
    FakePlatform* m_fake = nullptr;
    SettingsStore* m_settings = nullptr;
    MainColour* m_colour = nullptr;
    ColourList* m_list = nullptr;
    HistoryList* m_history = nullptr;
    RecentLists* m_recent = nullptr;
    MainWindow* m_main = nullptr;
    AppContext* m_context = nullptr;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ListPanel> m_panel;
    std::unique_ptr<CopyFeature> m_copy;
};

void CopyWindowTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_kit = std::make_unique<MainWindowKit>(m_folder->path() + QLatin1Char('/'));
    m_fake = &m_kit->fake;
    m_settings = &m_kit->settings;
    m_colour = &m_kit->colour;
    m_list = &m_kit->list;
    m_history = &m_kit->history;
    m_recent = &m_kit->recent;
    m_main = &m_kit->window;
    m_context = &m_kit->context;
    // Row 1 holds no colour and is left out of every source.
    m_list->ReplaceItems({{FormatListItemText(255, 0, 0), PackColour(255, 0, 0)},
                          {QStringLiteral("no colour"), 0},
                          {FormatListItemText(0, 255, 0), PackColour(0, 255, 0)},
                          {FormatListItemText(0x12, 0x34, 0x56), PackColour(0x12, 0x34, 0x56)}});
    m_panel = MakeListPanel(*m_context);
    Select({0, 1, 3});
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void CopyWindowTest::cleanup()
{
    m_copy.reset();
    m_panel.reset();
    m_kit.reset();
    m_folder.reset();
}

void CopyWindowTest::Select(const QList<int>& rows)
{
    QItemSelectionModel* selection = m_panel->listView()->selectionModel();
    selection->clear();
    for (int row : rows)
        selection->select(m_list->index(row), QItemSelectionModel::Select);
}

void CopyWindowTest::MakeFeature()
{
    m_copy = std::make_unique<CopyFeature>(*m_context, *m_panel);
}

QStringList CopyWindowTest::ListEntries() const
{
    return {QStringLiteral("#FF0000"), QStringLiteral("#00FF00"), QStringLiteral("#123456")};
}

// The source colours worked out from the fixture, not from the window.
QStringList CopyWindowTest::EntriesOf(CopySource source) const
{
    switch (source) {
    case CopySource::MainColor:
        return {QLatin1Char('#') + ValuesPanelOf(*m_main)->hexEdit()->text()};
    case CopySource::ColorList:
        return ListEntries();
    case CopySource::SelectedColors:
        return {QStringLiteral("#FF0000"), QStringLiteral("#123456")};
    case CopySource::ColorWheel: {
        QStringList entries;
        for (ColorRef colour : WheelPanelOf(*m_main)->harmonies().wheel)
            entries << FormatHashHex(UnpackColour(colour));
        return entries;
    }
    }
    return {};
}

QAction* CopyWindowTest::MenuAction(const QString& caption) const
{
    for (QAction* action : m_copy->quickCopyMenu()->actions())
        if (action->text() == caption)
            return action;
    return nullptr;
}

// A control by object name, or a label, check box or radio button by its caption.
QWidget* CopyWindowTest::Find(const QString& name) const
{
    CopyWindow* window = m_copy->window();
    if (auto* named = window->findChild<QWidget*>(name))
        return named;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->text() == name)
            return label;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == name)
            return button;
    return nullptr;
}

void CopyWindowTest::layoutMatchesTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // an empty size checks the place only
    QTest::newRow("X box") << "X" << QRect(463, 0, 15, 15);
    QTest::newRow("source caption") << "What do you want to copy?" << QRect(8, 32, 0, 0);
    QTest::newRow("source list") << "sourceList" << QRect(8, 56, 129, 105);
    QTest::newRow("format caption") << "In which format?" << QRect(152, 32, 0, 0);
    QTest::newRow("format list") << "formatList" << QRect(152, 56, 129, 105);
    QTest::newRow("options caption") << "Options" << QRect(296, 32, 0, 0);
    QTest::newRow("options pages") << "optionsPages" << QRect(295, 51, 177, 109);
    QTest::newRow("Copy Now") << "copyNowButton" << QRect(304, 160, 89, 25);
    QTest::newRow("Preview button") << "previewButton" << QRect(400, 160, 65, 25);
    QTest::newRow("Preview caption") << "Preview" << QRect(8, 192, 0, 0);
    QTest::newRow("preview area") << "previewArea" << QRect(8, 208, 465, 241);
    QTest::newRow("Swatch Size label") << "Swatch Size" << QRect(6, 23, 0, 0);
    QTest::newRow("Swatch Size box") << "swatchSizeBox" << QRect(72, 19, 73, 0);
    QTest::newRow("Columns box") << "columnsBox" << QRect(72, 42, 73, 0);
    QTest::newRow("Space slider") << "spaceSlider" << QRect(64, 67, 89, 25);
    QTest::newRow("Outline") << "Outline" << QRect(8, 83, 0, 0);
    QTest::newRow("HSL") << "HSL" << QRect(72, 0, 0, 0);
    QTest::newRow("HTML Hex (with #)") << "HTML Hex (with #)" << QRect(0, 80, 0, 0);
    QTest::newRow("Websafe Info") << "Websafe Info" << QRect(8, 48, 0, 0);
}

void CopyWindowTest::layoutMatchesTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    MakeFeature();
    QWidget* widget = name == QLatin1String("X") ? m_copy->window()->closeBox() : Find(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->pos(), geometry.topLeft());
    // A size of 0: the design fixes none, the control sizes itself to its text; it
    // must still be there to see.
    if (geometry.width() > 0)
        QCOMPARE(widget->width(), geometry.width());
    else
        QVERIFY(widget->width() > 0);
    if (geometry.height() > 0)
        QCOMPARE(widget->height(), geometry.height());
    else
        QVERIFY(widget->height() > 0);
}

void CopyWindowTest::startsWithTheDefaults()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    QCOMPARE(window->titleStrip()->caption(), QStringLiteral("Copy"));
    // The "X" is the same bold box as on every other window, not in the window's face.
    const QFontInfo closeFace(window->closeBox()->font());
    const QFontInfo otherFace(m_main->closeBox()->font());
    QCOMPARE(closeFace.family(), otherFace.family());
    QVERIFY(closeFace.bold());
    QCOMPARE(closeFace.pixelSize(), otherFace.pixelSize());
    QCOMPARE(window->width(), 480);
    QCOMPARE(window->source(), CopySource::MainColor);
    QCOMPARE(window->format(), CopyFormat::Swatches);
    QCOMPARE(window->sourceColours(), QStringList{QStringLiteral("#06A7FF")});
    CopyOptionsPanel* options = window->options();
    QCOMPARE(options->swatchSizeBox()->currentText(), QStringLiteral("20x20"));
    QCOMPARE(options->columnsBox()->currentText(), QStringLiteral("12"));
    QCOMPARE(options->spaceSlider()->value(), 3);
    QCOMPARE(options->spaceSlider()->maximum(), 15);
    QVERIFY(options->outlineBox()->isChecked());
    // Typed sizes and counts cannot reach the pictures.
    QVERIFY(!options->swatchSizeBox()->isEditable());
    QVERIFY(!options->columnsBox()->isEditable());
    QCOMPARE(options->swatchSizeBox()->count(), SwatchSizeItems().size());
    QCOMPARE(options->columnsBox()->count(), ColumnItems().size());
    QVERIFY(window->preview()->font().fixedPitch());
    QVERIFY(window->preview()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(window->preview()->focusPolicy(), Qt::NoFocus);
}

void CopyWindowTest::onlyThePageOfTheChosenFormatShows()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->ShowModal();
    for (int row = 0; row < window->formatList()->count(); ++row) {
        QTest::mouseClick(
            window->formatList()->viewport(), Qt::LeftButton, {},
            window->formatList()->visualItemRect(window->formatList()->item(row)).center());
        QCOMPARE(window->format(), CopyFormat(row));
        // Formats after the built-in ones have no options: the empty page.
        QCOMPARE(window->options()->currentIndex(), qMin(row, int(CopyOptionsPage::None)));
        QVERIFY(window->options()->currentWidget()->isVisible());
        const bool swatches = row == int(CopyFormat::Swatches);
        QCOMPARE(window->options()->swatchSizeBox()->isVisible(), swatches);
        QCOMPARE(window->options()->columnsBox()->isVisible(), swatches);
    }
    QVERIFY(window->findChildren<QTabBar*>().isEmpty());
}

void CopyWindowTest::copyNowPutsTheResultOnTheClipboard_data()
{
    QTest::addColumn<CopySource>("source");
    QTest::addColumn<CopyFormat>("format");
    const QStringList sources = CopySourceCaptions();
    const QStringList formats = CopyFormatCaptions();
    for (int s = 0; s < sources.size(); ++s)
        for (int f = 0; f < formats.size(); ++f)
            QTest::addRow("%s, %s", qPrintable(sources[s]), qPrintable(formats[f]))
                << CopySource(s) << CopyFormat(f);
}

void CopyWindowTest::copyNowPutsTheResultOnTheClipboard()
{
    QFETCH(CopySource, source);
    QFETCH(CopyFormat, format);
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->ShowModal();
    window->SetSource(source);
    window->SetFormat(format);
    QTest::mouseClick(window->copyNowButton(), Qt::LeftButton);

    QCOMPARE(m_fake->clipboard.changes, 1);
    QVERIFY(m_fake->messages.shown.isEmpty());
    const QStringList entries = EntriesOf(source);
    QCOMPARE(window->sourceColours(), entries);
    const CopyPreview expected = BuildCopyPreview(format, entries, CopyOptions());
    if (format == CopyFormat::Swatches || format == CopyFormat::List) {
        QCOMPARE(m_fake->clipboard.image, expected.image);
        // The preview holds what shows of the picture, from its top-left corner.
        const QRect shown = QRect(QPoint(), window->preview()->size()) & expected.image.rect();
        QCOMPARE(window->preview()->image().copy(shown), expected.image.copy(shown));
    } else {
        QVERIFY(!expected.text.isEmpty());
        QCOMPARE(m_fake->clipboard.text, expected.text);
        QCOMPARE(window->preview()->text(), expected.text);
    }
}

void CopyWindowTest::copyNowSpotChecks()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->ShowModal();
    window->SetFormat(CopyFormat::Css);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.text, QStringLiteral(".color1 { color: #06A7FF; }\r\n"));

    window->SetSource(CopySource::SelectedColors);
    window->SetFormat(CopyFormat::Value);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.text, QStringLiteral("FF0000\r\n\r\n123456\r\n\r\n"));

    // The wheel gives twelve colours starting with the main colour at the top.
    window->SetSource(CopySource::ColorWheel);
    window->SetFormat(CopyFormat::Text);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.text.count(QStringLiteral("Color ")), 12);
    QVERIFY(m_fake->clipboard.text.startsWith(QStringLiteral("Color 1\r\n")));
    QVERIFY(m_fake->clipboard.text.contains(QStringLiteral("HEX: #06A7FF\r\n")));

    // Twelve wheel swatches in the default options make one row.
    window->SetFormat(CopyFormat::Swatches);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.image.size(), QSize(276, 23));

    // The hex edit counts as typed, not as the colour it stands for.
    ValuesPanelOf(*m_main)->hexEdit()->setText(QStringLiteral("FFF"));
    window->SetSource(CopySource::MainColor);
    window->SetFormat(CopyFormat::Html);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.text, QStringLiteral(" color=\"#FFF\" \r\n"));
}

void CopyWindowTest::wmfCopiesTheMetafileTypes()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->SetSource(CopySource::ColorList);
    window->options()->swatchesWmfButton()->setChecked(true);
    window->CopyNow();
    QVERIFY(m_fake->clipboard.mimeData);
    const QByteArray expected = BuildSwatchesMetafile(ListEntries(), SwatchOptions()).wmf;
    for (const QString& type : WmfMimeTypes())
        QCOMPARE(m_fake->clipboard.mimeData->data(type), expected);

    window->SetFormat(CopyFormat::List);
    window->CopyNow();
    QVERIFY(!m_fake->clipboard.mimeData->hasFormat(WmfMimeTypes().constFirst()));
    QCOMPARE(m_fake->clipboard.image.size(), QSize(125, 3 * 35));
    window->options()->listWmfButton()->setChecked(true);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.mimeData->data(QStringLiteral("image/x-wmf")),
             BuildListMetafile(ListEntries()).wmf);
}

void CopyWindowTest::conversionFailureIsReported()
{
    ValuesPanelOf(*m_main)->hexEdit()->setText(QStringLiteral("ZZ"));
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->SetFormat(CopyFormat::Text);
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.changes, 0);
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown.at(0).text, DeriveEntryValues(QStringLiteral("#ZZ")).error);
    QVERIFY(window->preview()->text().isEmpty());
}

void CopyWindowTest::previewFollowsSourceAndOptions()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    CopyOptionsPanel* options = window->options();
    window->ShowModal();
    window->SetSource(CopySource::ColorList);
    QCOMPARE(window->preview()->image().size(), QSize(276, 20));
    options->columnsBox()->setCurrentText(QStringLiteral("2"));
    QCOMPARE(window->preview()->image().size(), QSize(46, 43));
    options->spaceSlider()->setValue(0);
    QCOMPARE(window->preview()->image().size(), QSize(40, 40));
    options->swatchSizeBox()->setCurrentText(QStringLiteral("60x60"));
    QCOMPARE(window->preview()->image().size(), QSize(120, 120));
    // An option the preview does not show keeps the bitmap.
    options->swatchesWmfButton()->setChecked(true);
    QCOMPARE(window->preview()->image().size(), QSize(120, 120));

    window->SetFormat(CopyFormat::Value);
    QTest::mouseClick(options->valueBox(ValueField::Rgb), Qt::LeftButton);
    QVERIFY(window->preview()->text().startsWith(QStringLiteral("RGB(255,0,0)\r\nFF0000\r\n")));

    // Showing the window takes the main window as it stands now.
    window->hide();
    m_colour->SetMainColour(PackColour(0, 0, 0));
    window->SetSource(CopySource::MainColor);
    QCOMPARE(window->sourceColours(), QStringList{QStringLiteral("#000000")});
    m_colour->SetMainColour(PackColour(255, 255, 255));
    window->ShowModal();
    QCOMPARE(window->sourceColours(), QStringList{QStringLiteral("#FFFFFF")});
}

void CopyWindowTest::enterCopiesWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("source list") << "sourceList" << int(Qt::Key_Return);
    QTest::newRow("format list") << "formatList" << int(Qt::Key_Enter);
    QTest::newRow("check box") << "Background Color" << int(Qt::Key_Return);
    QTest::newRow("window") << "CopyWindow" << int(Qt::Key_Return);
    QTest::newRow("Preview button") << "previewButton" << int(Qt::Key_Return);
}

void CopyWindowTest::enterCopiesWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->ShowModal();
    window->SetFormat(CopyFormat::Css);
    QWidget* target = focus == QLatin1String("CopyWindow") ? window : Find(focus);
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(m_fake->clipboard.changes, 1);
    QCOMPARE(m_fake->clipboard.text, QStringLiteral(".color1 { color: #06A7FF; }\r\n"));
    QVERIFY(window->isVisible());
}

void CopyWindowTest::opensModallyAndF5Toggles()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    QTest::keyClick(m_main, Qt::Key_F5);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowModality(), Qt::ApplicationModal);
    QTest::keyClick(window->sourceList(), Qt::Key_F5);
    QVERIFY(!window->isVisible());

    QTest::mouseClick(ToolButtonOf(*m_main, MainWindow::CopyButton), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QTest::mouseClick(window->closeBox(), Qt::LeftButton);
    QVERIFY(!window->isVisible());

    MenuAction(QStringLiteral("M&ore..."))->trigger();
    QVERIFY(window->isVisible());
    QCOMPARE(m_fake->clipboard.changes, 0);
}

void CopyWindowTest::previewButtonAndTitleStripToggleTheHeight()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->ShowModal();
    QCOMPARE(window->height(), 191);
    QTest::mouseClick(window->previewButton(), Qt::LeftButton);
    QCOMPARE(window->height(), 453);
    QTest::mouseClick(window->previewButton(), Qt::LeftButton);
    QCOMPARE(window->height(), 191);
    // Space does what the click does (Enter copies, wherever the focus is).
    QTest::keyClick(window->previewButton(), Qt::Key_Space);
    QCOMPARE(window->height(), 453);
    QTest::keyClick(window->previewButton(), Qt::Key_Space);
    QCOMPARE(window->height(), 191);
    // Collapsed to the strip, then restored with the preview shown.
    QTest::mouseDClick(window->titleStrip(), Qt::LeftButton, {}, QPoint(100, 8));
    QCOMPARE(window->height(), 16);
    QTest::mouseDClick(window->titleStrip(), Qt::LeftButton, {}, QPoint(100, 8));
    QCOMPARE(window->height(), 453);
}

void CopyWindowTest::tabVisitsListsOptionsAndButtons_data()
{
    QTest::addColumn<CopyFormat>("format");
    QTest::addColumn<QStringList>("options"); // the stops of the format's options page
    // The radio buttons of a group are one stop (the arrows choose within it).
    QTest::newRow("Swatches") << CopyFormat::Swatches
                              << QStringList{"BMP", "swatchSizeBox", "columnsBox", "spaceSlider",
                                             "Outline"};
    QTest::newRow("Css") << CopyFormat::Css << QStringList{"Text Color", "Background Color"};
    QTest::newRow("Value") << CopyFormat::Value << QStringList{"RGB",      "HSL",
                                                               "VB Hex",   "Delphi Hex",
                                                               "VC++ Hex", "ActionScript Hex",
                                                               "HTML Hex", "HTML Hex (with #)"};
}

void CopyWindowTest::tabVisitsListsOptionsAndButtons()
{
    QFETCH(CopyFormat, format);
    QFETCH(QStringList, options);
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->ShowModal();
    window->SetFormat(format);
    const QStringList expected = QStringList{"sourceList", "formatList"} + options +
                                 QStringList{"copyNowButton", "previewButton"};
    QCOMPARE(TabWalk(window->sourceList()), expected);
}

void CopyWindowTest::settingsAreApplied_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("prew");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("none") << ""
                          << ""
                          << "" << QPoint(298, 182) << 191 << QStringList();
    QTest::newRow("stored") << "10"
                            << "20"
                            << "1" << QPoint(10, 20) << 453 << QStringList();
    QTest::newRow("only left") << "5"
                               << ""
                               << "0" << QPoint(5, 182) << 191 << QStringList();
    QTest::newRow("other prew") << ""
                                << ""
                                << "yes" << QPoint(298, 182) << 191 << QStringList();
    QTest::newRow("bad left") << "abc"
                              << "40"
                              << "1" << QPoint(298, 40) << 453
                              << QStringList{"'abc' is not a valid integer value"};
}

void CopyWindowTest::settingsAreApplied()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QString, prew);
    QFETCH(QPoint, place);
    QFETCH(int, height);
    QFETCH(QStringList, messages);
    m_settings->SetSetting(QStringLiteral("copy.left"), left);
    m_settings->SetSetting(QStringLiteral("copy.top"), top);
    m_settings->SetSetting(QStringLiteral("copy.prew"), prew);
    MakeFeature();
    QCOMPARE(m_copy->window()->pos(), place);
    QCOMPARE(m_copy->window()->height(), height);
    QStringList shown;
    for (const FakeMessageBoxes::Shown& message : m_fake->messages.shown)
        shown << message.text;
    QCOMPARE(shown, messages);
}

void CopyWindowTest::settingsAreWritten()
{
    MakeFeature();
    CopyWindow* window = m_copy->window();
    window->move(123, 45);
    m_copy->WritePositionSettings();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("copy.left")), QStringLiteral("123"));
    QCOMPARE(m_settings->GetSetting(QStringLiteral("copy.top")), QStringLiteral("45"));

    m_copy->WritePreviewSetting();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("copy.prew")), QStringLiteral("0"));
    window->TogglePreview();
    m_copy->WritePreviewSetting();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("copy.prew")), QStringLiteral("1"));
    // Collapsed to the strip is not the full height.
    window->ToggleSuperMinimize();
    m_copy->WritePreviewSetting();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("copy.prew")), QStringLiteral("0"));
}

void CopyWindowTest::quickCopyMenuEntries()
{
    MakeFeature();
    QStringList captions;
    for (QAction* action : m_copy->quickCopyMenu()->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->isEnabled());
    }
    QCOMPARE(captions, (QStringList{"&RGB",
                                    "H&SL",
                                    "&HTML Style Hex",
                                    "H&TML Style  Hex (with #)",
                                    "&Delphi Hex",
                                    "V&B Hex",
                                    "V&C++ Hex",
                                    "&ActionScript Hex",
                                    "-",
                                    "OKLCH",
                                    "OKLab",
                                    "CIE Lab",
                                    "CIE LCH",
                                    "Display P3",
                                    "CSS rgb()",
                                    "CSS hsl()",
                                    "Color Name",
                                    "Ctrl+&C Copies",
                                    "-",
                                    "&Main Color as Bitmap",
                                    "Color &Wheel as Bitmap",
                                    "-",
                                    "M&ore..."}));
}

void CopyWindowTest::userFormatsAddedEditedRemoved()
{
    Select({});
    MakeFeature();
    UserFormatMenu* menu = m_copy->window()->userFormatMenu();
    QSignalSpy changed(menu, &UserFormatMenu::formatsChanged);
    m_fake->inputBox.answers = {QStringLiteral("Mine"), QStringLiteral("<{hex}>")};
    menu->AddFormat();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("textformat1.text")), QStringLiteral("<{hex}>"));
    MenuAction(QStringLiteral("Mine"))->trigger();
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("<06A7FF>"));

    m_fake->inputBox.answers = {QStringLiteral("Yours"), QStringLiteral("{oklch.h}")};
    menu->EditFormat(0);
    QVERIFY(!MenuAction(QStringLiteral("Mine")));
    MenuAction(QStringLiteral("Yours"))->trigger();
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("243.52"));

    m_fake->messages.answers = {false, true};
    menu->RemoveFormat(0);
    QVERIFY(MenuAction(QStringLiteral("Yours")));
    menu->RemoveFormat(0);
    QVERIFY(!MenuAction(QStringLiteral("Yours")));
    QVERIFY(m_settings->GetSetting(QStringLiteral("textformat1.name")).isEmpty());
    QCOMPARE(changed.size(), 3);
}

void CopyWindowTest::lineFormatsInTheFormatList()
{
    Select({});
    SaveUserTextFormats(*m_settings, {{QStringLiteral("Mine"), QStringLiteral("<{name}>")}});
    MakeFeature();
    CopyWindow* window = m_copy->window();
    QStringList captions;
    for (int row = 0; row < window->formatList()->count(); ++row)
        captions << window->formatList()->item(row)->text();
    QCOMPARE(captions.mid(captions.indexOf(QStringLiteral("Text"))),
             (QStringList{"Text", "OKLCH", "OKLab", "CIE Lab", "CIE LCH", "Display P3", "CSS rgb()",
                          "CSS hsl()", "Color Name", "Mine"}));
    window->formatList()->setCurrentRow(captions.indexOf(QStringLiteral("OKLCH")));
    QCOMPARE(window->preview()->text(), QStringLiteral("oklch(70.07% 0.1701 243.52)\r\n"));
    window->CopyNow();
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("oklch(70.07% 0.1701 243.52)\r\n"));

    // Renamed, the chosen format stays chosen under its new name.
    window->formatList()->setCurrentRow(captions.indexOf(QStringLiteral("Mine")));
    m_fake->inputBox.answers = {QStringLiteral("Ours"), QStringLiteral("[{name}]")};
    window->userFormatMenu()->EditFormat(0);
    QCOMPARE(window->formatList()->currentItem()->text(), QStringLiteral("Ours"));
    QCOMPARE(window->preview()->text(), QStringLiteral("[dodgerblue]\r\n"));
}

void CopyWindowTest::quickCopy_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    const QList<int> none;
    const QList<int> one{2};
    const QList<int> two{0, 1, 2}; // row 1 holds no colour
    QTest::newRow("none, hex") << none << "&HTML Style Hex"
                               << "06A7FF";
    QTest::newRow("none, hex with #") << none << "H&TML Style  Hex (with #)"
                                      << "#06A7FF";
    QTest::newRow("none, RGB") << none << "&RGB"
                               << "RGB(6,167,255)";
    QTest::newRow("none, HSL") << none << "H&SL"
                               << "HSL(201,100,51)";
    QTest::newRow("one, hex") << one << "&HTML Style Hex"
                              << "06A7FF";
    QTest::newRow("two, hex") << two << "&HTML Style Hex"
                              << "FF0000\r\n00FF00\r\n";
    QTest::newRow("two, hex with #") << two << "H&TML Style  Hex (with #)"
                                     << "#FF0000\r\n#00FF00\r\n";
    QTest::newRow("two, RGB") << two << "&RGB"
                              << "RGB(255,0,0)\r\nRGB(0,255,0)\r\n";
    QTest::newRow("two, VB") << two << "V&B Hex"
                             << "&H0000FF\r\n&H00FF00\r\n";
    QTest::newRow("none, OKLCH") << none << "OKLCH"
                                 << "oklch(70.07% 0.1701 243.52)";
    QTest::newRow("two, name") << two << "Color Name"
                               << "red\r\nlime\r\n";
}

void CopyWindowTest::quickCopy()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    Select(selected);
    MakeFeature();
    QAction* action = MenuAction(caption);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(m_fake->clipboard.changes, 1);
    QCOMPARE(m_fake->clipboard.Text(), text);
    QCOMPARE(ValuesPanelOf(*m_main)->hexEdit()->text(), QStringLiteral("06A7FF"));
}

void CopyWindowTest::ctrlCInTheMainWindow()
{
    MakeFeature();
    QLineEdit* hex = ValuesPanelOf(*m_main)->hexEdit();
    hex->setText(QStringLiteral("FFF"));
    Select({2});
    QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("FFF"));
    Select({0, 3});
    QTest::keyClick(ValuesPanelOf(*m_main)->rgbEdit(0), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("FF0000\r\n123456\r\n"));
    QCOMPARE(m_fake->clipboard.changes, 2);
    QVERIFY(!m_copy->window()->isVisible());

    // Chosen under "Ctrl+C Copies", a CSS form or a format of the user's.
    QMenu* choices = MenuAction(QStringLiteral("Ctrl+&C Copies"))->menu();
    for (QAction* choice : choices->actions())
        if (choice->text() == QLatin1String("CSS hsl()"))
            choice->trigger();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("copy.ctrlc")), QStringLiteral("CSS hsl()"));
    Select({});
    hex->setText(QStringLiteral("008000"));
    QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("hsl(120 100% 25%)"));
    SaveUserTextFormats(*m_settings, {{QStringLiteral("Mine"), QStringLiteral("[{r} {name}]")}});
    m_copy->RefreshQuickCopyMenu();
    MenuAction(QStringLiteral("Mine"))->trigger();
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("[0 green]"));
    m_settings->SetSetting(QStringLiteral("copy.ctrlc"), QStringLiteral("Mine"));
    QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fake->clipboard.Text(), QStringLiteral("[0 green]"));
}

void CopyWindowTest::rightButtonOnCopyPopsUpTheMenu()
{
    MakeFeature();
    m_fake->screen.cursorPosition = QPoint(400, 300);
    PictureButton* copy = ToolButtonOf(*m_main, MainWindow::CopyButton);
    QTest::mousePress(copy, Qt::RightButton);
    QTest::mouseRelease(copy, Qt::RightButton);
    QMenu* menu = m_copy->quickCopyMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(400, 300));
    QVERIFY(!m_copy->window()->isVisible());
    menu->hide();
}

void CopyWindowTest::mainColourBitmapIsMadeWhenCopying()
{
    MakeFeature();
    m_colour->SetMainColour(PackColour(200, 10, 30));
    MenuAction(QStringLiteral("&Main Color as Bitmap"))->trigger();
    QCOMPARE(m_fake->clipboard.image, BuildMainColourBitmap(Rgb{200, 10, 30}));
}

void CopyWindowTest::wheelBitmap()
{
    MakeFeature();
    m_colour->SetMainColour(PackColour(10, 200, 30));
    const WheelPanel* wheel = WheelPanelOf(*m_main);
    const QImage expected = BuildWheelBitmap(
        wheel->Geometry(), WheelColoursOf(PackColour(10, 200, 30), wheel->harmonies().wheel));
    QVERIFY(!expected.isNull());
    // The main colour menu's entry stays greyed and does nothing; the quick copy
    // menu's entry copies the wheel.
    QVERIFY(!ActionOf(*m_main, "copyWheelAction")->isEnabled());
    const int changes = m_fake->clipboard.changes;
    ActionOf(*m_main, "copyWheelAction")->setEnabled(true);
    ActionOf(*m_main, "copyWheelAction")->trigger();
    QCOMPARE(m_fake->clipboard.changes, changes);
    MenuAction(QStringLiteral("Color &Wheel as Bitmap"))->trigger();
    QCOMPARE(m_fake->clipboard.image, expected);
}

QTEST_MAIN(CopyWindowTest)
#include "tst_copywindow.moc"
