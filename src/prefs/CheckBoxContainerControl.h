#pragma once

#include <QWidget>

class QCheckBox;

// The common design of the preferences window's two container controls: a
// 400 × 20 container that takes no focus and holds one check box filling it,
// whatever size the container is placed at.
class CheckBoxContainerControl : public QWidget {
    Q_OBJECT

protected:
    CheckBoxContainerControl(QWidget *parent, const QString &checkBoxName);

    QCheckBox *checkBox() const { return checkBox_; }

private:
    void Layout();
    void CreateControls(const QString &checkBoxName);

    QCheckBox *checkBox_ = nullptr;
};
