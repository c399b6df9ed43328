#pragma once
// Tab moves through a page's field groups as they stand on screen: group after group in the order
// they were laid out, and inside a group row after row, whatever order the controls were created in.
class QWidget;

void ChainGroupTabOrder(QWidget* groupsContainer);
