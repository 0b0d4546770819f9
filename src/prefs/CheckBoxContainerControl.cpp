#include "prefs/CheckBoxContainerControl.h"

#include "base/Anchors.h"
#include "base/SystemFont.h"

#include <QCheckBox>

namespace {
constexpr QSize designSize(400, 20);
} // namespace

CheckBoxContainerControl::CheckBoxContainerControl(QWidget *parent, const QString &checkBoxName)
    : QWidget(parent)
{
    Layout();
    CreateControls(checkBoxName);
}

void CheckBoxContainerControl::Layout()
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    resize(designSize);
}

void CheckBoxContainerControl::CreateControls(const QString &checkBoxName)
{
    auto *anchors = new Anchors(this, designSize);
    checkBox_ = new QCheckBox(this);
    checkBox_->setObjectName(checkBoxName);
    checkBox_->setFont(systemFont(12));
    checkBox_->setChecked(false);
    anchors->add(checkBox_, QRect(QPoint(0, 0), designSize),
                 Anchors::Left | Anchors::Top | Anchors::Right | Anchors::Bottom);
}
