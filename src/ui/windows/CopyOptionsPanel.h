#pragma once
// The options area of the Copy window: one page per format, without tabs; only
// the page of the chosen format shows. The controls hold the options for the
// whole run.

#include "copy/CopyPayload.h"
#include "copy/CopyText.h"

#include <QStackedWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;

class CopyOptionsPanel : public QStackedWidget
{
    Q_OBJECT
public:
    explicit CopyOptionsPanel(QWidget* parent);

    void ShowPage(CopyOptionsPage page);
    // The options as the controls stand.
    CopyOptions Options() const;

    QComboBox* swatchSizeBox() const { return m_swatchSize; }
    QComboBox* columnsBox() const { return m_columns; }
    QSlider* spaceSlider() const { return m_space; }
    QCheckBox* outlineBox() const { return m_outline; }
    QRadioButton* swatchesWmfButton() const { return m_swatchesWmf; }
    QRadioButton* listWmfButton() const { return m_listWmf; }
    QCheckBox* valueBox(ValueField field) const { return m_value[int(field)]; }

signals:
    // An option that the preview shows changed. The "BMP"/"WMF" choice is not one:
    // the preview is the bitmap either way.
    void previewOptionsChanged();

private:
    QWidget* AddPage(CopyOptionsPage kind, const char* name);
    QCheckBox* AddCheckBox(QWidget* page, const QString& caption, int left, int top, int width,
                           bool checked);
    void AddPictureKindButtons(QWidget* page, QRadioButton*& bmp, QRadioButton*& wmf);
    void BuildSwatchesPage();
    void BuildListPage();
    void BuildCssPage();
    void BuildHtmlPage();
    void BuildValuePage();
    void BuildTextPage();

    std::array<QWidget*, kCopyOptionsPages> m_pages{};
    QRadioButton* m_swatchesBmp = nullptr;
    QRadioButton* m_swatchesWmf = nullptr;
    QComboBox* m_swatchSize = nullptr;
    QComboBox* m_columns = nullptr;
    QSlider* m_space = nullptr;
    QCheckBox* m_outline = nullptr;
    QRadioButton* m_listBmp = nullptr;
    QRadioButton* m_listWmf = nullptr;
    QCheckBox* m_cssText = nullptr;
    QCheckBox* m_cssBackground = nullptr;
    QCheckBox* m_htmlColor = nullptr;
    QCheckBox* m_htmlBgColor = nullptr;
    std::array<QCheckBox*, kValueFields> m_value{};
    QCheckBox* m_textRgb = nullptr;
    QCheckBox* m_textHsl = nullptr;
    QCheckBox* m_textHex = nullptr;
    QCheckBox* m_textWebsafe = nullptr;
};
