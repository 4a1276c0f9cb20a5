#include "browser/records/UnitSet.h"

#include "browser/records/BackgroundRule.h"
#include "browser/shell/DialogStyle.h"
#include "browser/shell/Pictures.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "store/Dmsystem.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QImageReader>
#include <QPushButton>

const TfrmSet::Swatch TfrmSet::Swatches[6] = {
    {Pictures::InkWash, "SpeedButton4", "水墨"},
    {Pictures::LightYellow, "SpeedButton1", "淡黄"},
    {Pictures::Pink, "SpeedButton2", "粉红"},
    {Pictures::FreshGreen, "SpeedButton5", "新绿"},
    {Pictures::LightPurple, "SpeedButton6", "淡紫"},
    {Pictures::LightBlue, "SpeedButton7", "淡蓝"},
};

namespace {

const char kSelCaption[] = "个性化";
const char kSelMarked[] = "√个性化";
const char kMark[] = "√";

} // namespace

TfrmSet::TfrmSet(TFormMain *owner)
    : BorderlessDialog(owner, Centre::OnDesktop), m_main(owner)
{
    setWindowTitle(QStringLiteral("LZ 选项"));
    setStyleSheet(dialogStyleSheet());
    cornerCloseButton()->setToolTip(QStringLiteral("关闭"));
    setDesignSize(330, 236);

    suiImagePanel2 = new QWidget(this);
    suiImagePanel2->setObjectName(QStringLiteral("suiImagePanel2"));
    suiImagePanel2->setGeometry(0, 0, 330, 25);
    addDragHandle(suiImagePanel2);

    suiGroupBox1 = new QGroupBox(QStringLiteral("提示"), this);
    suiGroupBox1->setGeometry(14, 28, 302, 70);
    suiCheckBox1 = new QCheckBox(QStringLiteral("退出时是否提示"), suiGroupBox1);
    suiCheckBox1->setObjectName(QStringLiteral("suiCheckBox1"));
    suiCheckBox1->setGeometry(14, 20, 270, 20);
    suiCheckBox2 = new QCheckBox(QStringLiteral("将岚舟Browser设为默认浏览器"), suiGroupBox1);
    suiCheckBox2->setObjectName(QStringLiteral("suiCheckBox2"));
    suiCheckBox2->setGeometry(14, 43, 270, 20);

    suiGroupBox2 = new QGroupBox(QStringLiteral("背景图片"), this);
    suiGroupBox2->setGeometry(14, 106, 302, 72);
    PicturePanel **members[6] = {&SpeedButton4, &SpeedButton1, &SpeedButton2,
                                 &SpeedButton5, &SpeedButton6, &SpeedButton7};
    for (int i = 0; i < 6; ++i) {
        // A thin frame around each swatch, whose light corner would otherwise
        // melt into the background.
        auto *frame = new QFrame(suiGroupBox2);
        frame->setGeometry(13 + i * 36, 31, 32, 21);
        frame->setStyleSheet(QStringLiteral("QFrame { border: 1px solid #7F9DB9; background: transparent; }"));
        auto *swatch = new PicturePanel(suiGroupBox2, PicturePanel::Mode::Unscaled);
        swatch->setObjectName(QLatin1String(Swatches[i].name));
        swatch->setPicture(Pictures::background(Swatches[i].value));
        swatch->setGeometry(14 + i * 36, 32, 30, 19);
        swatch->setCursor(Qt::PointingHandCursor);
        connect(swatch, &PicturePanel::clicked, this, [this, swatch] { P_btn(swatch); });
        *members[i] = swatch;
        m_swatches[i] = swatch;
    }
    bbtnsel = new QPushButton(QString::fromUtf8(kSelCaption), suiGroupBox2);
    bbtnsel->setObjectName(QStringLiteral("bbtnsel"));
    bbtnsel->setGeometry(14 + 6 * 36, 32, 58, 19);
    connect(bbtnsel, &QPushButton::clicked, this, [this] { P_btn(bbtnsel); });

    auto button = [this](const char *name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 194, 72, 24);
        return b;
    };
    suiButton1 = button("suiButton1", QStringLiteral("确定"), 52);
    suiButton2 = button("suiButton2", QStringLiteral("取消"), 132);
    suiButton3 = button("suiButton3", QStringLiteral("应用"), 212);

    connect(suiCheckBox1, &QCheckBox::clicked, this, &TfrmSet::suiCheckBox1Click);
    connect(suiCheckBox2, &QCheckBox::clicked, this, &TfrmSet::suiCheckBox2Click);
    connect(suiButton1, &QPushButton::clicked, this, &TfrmSet::suiButton1Click);
    connect(suiButton2, &QPushButton::clicked, this, &TfrmSet::suiButton2Click);
    connect(suiButton3, &QPushButton::clicked, this, &TfrmSet::suiButton3Click);
    connect(cornerCloseButton(), &QAbstractButton::clicked, this, &TfrmSet::suiButton2Click);
}

PicturePanel *TfrmSet::swatchOf(int value) const
{
    for (int i = 0; i < 6; ++i) {
        if (Swatches[i].value == value)
            return m_swatches[i];
    }
    return nullptr;
}

void TfrmSet::storeFailed(const QString &what, const std::exception &error)
{
    MessageBox::show(this, what + QLatin1Char('\n') + QString::fromUtf8(error.what()),
                     QStringLiteral("岚舟Browser"), QMessageBox::Warning);
}

// Showing: the stored background gets its mark (the others keep theirs), the
// check boxes show the stored switches.
void TfrmSet::showEvent(QShowEvent *event)
{
    BorderlessDialog::showEvent(event);
    try {
        const int bj = m_main->Dm->background().bj;
        if (PicturePanel *swatch = swatchOf(bj))
            swatch->setText(QString::fromUtf8(kMark));
        else if (bj == BackgroundRule::OwnPicture)
            bbtnsel->setText(QString::fromUtf8(kSelMarked));
        const ExitSettings settings = m_main->Dm->exitSettings();
        suiCheckBox1->setChecked(settings.tc == 1);
        suiCheckBox2->setChecked(settings.mrt == 1);
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("无法读取选项。"), e);
    }
    for (int i = 0; i < 6; ++i)
        m_swatches[i]->setToolTip(QString::fromUtf8(Swatches[i].hint));
}

QString TfrmSet::choosePictureFile()
{
    if (OpenPictureDialog1)
        return OpenPictureDialog1();
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QFileDialog::getOpenFileName(this, QString(), QString(),
                                        QStringLiteral("图片 (%1)").arg(patterns.join(QLatin1Char(' '))));
}

// A background chosen: it shows at once in the main window and here, and is
// stored at once; "确定", "应用" and "取消" neither store nor undo it.
void TfrmSet::P_btn(QWidget *panel)
{
    QImage picture;
    std::function<void()> store;
    if (panel == bbtnsel) {
        for (PicturePanel *swatch : m_swatches)
            swatch->setText(QString());
        bbtnsel->setText(QString::fromUtf8(kSelMarked));
        const QString path = choosePictureFile();
        if (path.isEmpty())
            return;
        if (!picture.load(path)) {
            MessageBox::show(this, QStringLiteral("无法读取图片文件：%1\n背景未更改。").arg(path),
                             QStringLiteral("岚舟Browser"), QMessageBox::Warning);
            return;
        }
        CustomPicturePath = path;
        store = [this, path] { m_main->Dm->setCustomBackground(path); };
    } else {
        int value = -1;
        for (int i = 0; i < 6; ++i) {
            if (m_swatches[i] == panel)
                value = Swatches[i].value;
        }
        if (value < 0)
            return;
        picture = Pictures::background(value);
        for (PicturePanel *swatch : m_swatches)
            swatch->setText(swatch == panel ? QString::fromUtf8(kMark) : QString());
        bbtnsel->setText(QString::fromUtf8(kSelCaption));
        store = [this, value] { m_main->Dm->setBackground(value); };
    }
    m_main->img_c->setPicture(picture);
    setBackgroundPicture(picture);
    suiButton3->setEnabled(true);
    m_main->img_c->repaint();
    imgP->repaint();
    try {
        store();
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("背景已更换，但未能保存，下次启动时不会保留。"), e);
    }
}

void TfrmSet::suiCheckBox1Click()
{
    suiButton3->setEnabled(true);
}

void TfrmSet::suiCheckBox2Click()
{
    suiButton3->setEnabled(true);
}

bool TfrmSet::apply()
{
    suiButton3->setEnabled(false);
    try {
        m_main->Dm->setExitPrompt(suiCheckBox1->isChecked());
        return true;
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("无法保存“退出时是否提示”。"), e);
        suiButton3->setEnabled(true);
        return false;
    }
}

// "应用"
void TfrmSet::suiButton3Click()
{
    apply();
}

// "确定": applies, then closes (stays open when the switch could not be stored).
void TfrmSet::suiButton1Click()
{
    if (apply())
        close();
}

// "取消" and the corner button: close, undoing nothing.
void TfrmSet::suiButton2Click()
{
    close();
}
