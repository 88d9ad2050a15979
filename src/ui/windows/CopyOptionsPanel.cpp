#include "ui/windows/CopyOptionsPanel.h"

#include "ui/widgets/Labels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace {

constexpr int kPageWidth = 177;
constexpr int kRowHeight = 17;

struct ValueBoxPlace
{
    ValueField field;
    int left;
    int top;
    int width;
};

// Two columns in the first two rows, then one box per row.
constexpr std::array<ValueBoxPlace, kValueFields> kValueBoxes{{
    {ValueField::Rgb, 0, 0, 72},
    {ValueField::Hsl, 72, 0, kPageWidth - 72},
    {ValueField::VbHex, 0, 16, 72},
    {ValueField::DelphiHex, 72, 16, kPageWidth - 72},
    {ValueField::VcppHex, 0, 32, kPageWidth},
    {ValueField::ActionScriptHex, 0, 48, kPageWidth},
    {ValueField::HtmlHex, 0, 64, kPageWidth},
    {ValueField::HtmlHexWithHash, 0, 80, kPageWidth},
}};

// A drop-down that offers only its items: typed values cannot reach the pictures.
QComboBox* AddItemBox(QWidget* page, const char* name, const QStringList& items,
                      const QString& chosen, int left, int top)
{
    auto* box = new QComboBox(page);
    box->setObjectName(QLatin1String(name));
    box->setEditable(false);
    box->addItems(items);
    box->setCurrentIndex(items.indexOf(chosen));
    box->setGeometry(left, top, 73, 21);
    return box;
}

} // namespace

CopyOptionsPanel::CopyOptionsPanel(QWidget* parent) : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("optionsPages"));
    BuildSwatchesPage();
    BuildListPage();
    BuildCssPage();
    BuildHtmlPage();
    BuildValuePage();
    BuildTextPage();
    AddPage(CopyOptionsPage::None, "noOptionsPage");
}

QWidget* CopyOptionsPanel::AddPage(CopyOptionsPage kind, const char* name)
{
    auto* page = new QWidget(this);
    m_pages[int(kind)] = page;
    page->setObjectName(QLatin1String(name));
    addWidget(page);
    return page;
}

QCheckBox* CopyOptionsPanel::AddCheckBox(QWidget* page, const QString& caption, int left, int top,
                                         int width, bool checked)
{
    auto* box = new QCheckBox(caption, page);
    box->setGeometry(left, top, width, kRowHeight);
    box->setChecked(checked);
    connect(box, &QCheckBox::toggled, this, &CopyOptionsPanel::previewOptionsChanged);
    return box;
}

void CopyOptionsPanel::AddPictureKindButtons(QWidget* page, QRadioButton*& bmp, QRadioButton*& wmf)
{
    // Each page has its own pair: the two choices are independent.
    bmp = new QRadioButton(QStringLiteral("BMP"), page);
    bmp->setGeometry(8, 2, 48, kRowHeight);
    bmp->setChecked(true);
    wmf = new QRadioButton(QStringLiteral("WMF"), page);
    wmf->setGeometry(56, 2, 56, kRowHeight);
}

void CopyOptionsPanel::BuildSwatchesPage()
{
    const SwatchOptions defaults;
    QWidget* page = AddPage(CopyOptionsPage::Swatches, "swatchesPage");
    AddPictureKindButtons(page, m_swatchesBmp, m_swatchesWmf);
    MakeLabel(page, QStringLiteral("Swatch Size"), 6, 23);
    m_swatchSize = AddItemBox(page, "swatchSizeBox", SwatchSizeItems(),
                              QStringLiteral("%1x%1").arg(defaults.size), 72, 19);
    MakeLabel(page, QStringLiteral("Columns"), 7, 45);
    m_columns =
        AddItemBox(page, "columnsBox", ColumnItems(), QString::number(defaults.columns), 72, 42);
    MakeLabel(page, QStringLiteral("Space"), 8, 67);
    m_space = new QSlider(Qt::Horizontal, page);
    m_space->setObjectName(QStringLiteral("spaceSlider"));
    m_space->setAccessibleName(QStringLiteral("Space"));
    m_space->setGeometry(64, 67, 89, 25);
    m_space->setRange(0, 15);
    m_space->setSingleStep(1);
    m_space->setPageStep(1);
    m_space->setTickInterval(1);
    m_space->setTickPosition(QSlider::TicksBelow);
    m_space->setValue(defaults.space);
    m_outline = AddCheckBox(page, QStringLiteral("Outline"), 8, 83, 56, defaults.outline);
    connect(m_swatchSize, &QComboBox::currentIndexChanged, this,
            &CopyOptionsPanel::previewOptionsChanged);
    connect(m_columns, &QComboBox::currentIndexChanged, this,
            &CopyOptionsPanel::previewOptionsChanged);
    connect(m_space, &QSlider::valueChanged, this, &CopyOptionsPanel::previewOptionsChanged);
}

void CopyOptionsPanel::BuildListPage()
{
    AddPictureKindButtons(AddPage(CopyOptionsPage::List, "listPage"), m_listBmp, m_listWmf);
}

void CopyOptionsPanel::BuildCssPage()
{
    const CssOptions defaults;
    QWidget* page = AddPage(CopyOptionsPage::Css, "cssPage");
    m_cssText =
        AddCheckBox(page, QStringLiteral("Text Color"), 8, 0, kPageWidth - 8, defaults.textColor);
    m_cssBackground = AddCheckBox(page, QStringLiteral("Background Color"), 8, 16, kPageWidth - 8,
                                  defaults.backgroundColor);
}

void CopyOptionsPanel::BuildHtmlPage()
{
    const HtmlOptions defaults;
    QWidget* page = AddPage(CopyOptionsPage::Html, "htmlPage");
    m_htmlColor = AddCheckBox(page, QStringLiteral("Color"), 8, 0, kPageWidth - 8, defaults.color);
    m_htmlBgColor =
        AddCheckBox(page, QStringLiteral("BGColor"), 8, 16, kPageWidth - 8, defaults.bgColor);
}

void CopyOptionsPanel::BuildValuePage()
{
    const ValueOptions defaults;
    QWidget* page = AddPage(CopyOptionsPage::Value, "valuePage");
    for (const ValueBoxPlace& place : kValueBoxes)
        m_value[int(place.field)] =
            AddCheckBox(page, ValueFieldCaption(place.field), place.left, place.top, place.width,
                        defaults.isChecked(place.field));
}

void CopyOptionsPanel::BuildTextPage()
{
    const TextOptions defaults;
    QWidget* page = AddPage(CopyOptionsPage::Text, "textPage");
    const int width = kPageWidth - 8;
    m_textRgb = AddCheckBox(page, QStringLiteral("RGB Value"), 8, 0, width, defaults.rgbValue);
    m_textHsl = AddCheckBox(page, QStringLiteral("HSL Value"), 8, 16, width, defaults.hslValue);
    m_textHex = AddCheckBox(page, QStringLiteral("Hex Value"), 8, 32, width, defaults.hexValue);
    m_textWebsafe =
        AddCheckBox(page, QStringLiteral("Websafe Info"), 8, 48, width, defaults.websafeInfo);
}

void CopyOptionsPanel::ShowPage(CopyOptionsPage page)
{
    setCurrentWidget(m_pages[int(page)]);
}

CopyOptions CopyOptionsPanel::Options() const
{
    CopyOptions options;
    options.swatches.size =
        SwatchSizeFromItem(m_swatchSize->currentText()).value_or(options.swatches.size);
    options.swatches.columns =
        ColumnsFromItem(m_columns->currentText()).value_or(options.swatches.columns);
    options.swatches.space = m_space->value();
    options.swatches.outline = m_outline->isChecked();
    options.swatchesKind = m_swatchesWmf->isChecked() ? PictureKind::Wmf : PictureKind::Bmp;
    options.listKind = m_listWmf->isChecked() ? PictureKind::Wmf : PictureKind::Bmp;
    options.css.textColor = m_cssText->isChecked();
    options.css.backgroundColor = m_cssBackground->isChecked();
    options.html.color = m_htmlColor->isChecked();
    options.html.bgColor = m_htmlBgColor->isChecked();
    for (int i = 0; i < kValueFields; ++i)
        options.value.checked[i] = m_value[i]->isChecked();
    options.text.rgbValue = m_textRgb->isChecked();
    options.text.hslValue = m_textHsl->isChecked();
    options.text.hexValue = m_textHex->isChecked();
    options.text.websafeInfo = m_textWebsafe->isChecked();
    return options;
}
