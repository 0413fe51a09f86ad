#pragma once

class QWidget;

// The system tab's page on a camera that describes its parameters in JSON:
// the JSON form page of the system group. Kept apart so the container's table
// names one factory for it.
namespace JsonSystemPage {
QWidget *create();
void refresh(QWidget *page);
} // namespace JsonSystemPage
