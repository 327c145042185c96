#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace zendaro {

// The caption of a box in the editors' forms ("Ölçek Adı :"): Times New Roman
// 11.25 pt, right-aligned so that it ends at the box it names.
QLabel* BoxCaption(QWidget* parent, const QString& text, QRect place);

} // namespace zendaro
