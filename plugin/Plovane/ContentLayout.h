#pragma once

class QVBoxLayout;
class QWidget;

// The column in which a container (group box, tab page, the form itself)
// stacks its child controls, a few pixels inside the container's frame.
QVBoxLayout *makeContentLayout(QWidget *container);
