#pragma once
// Shared between the wiring and the control helpers; not part of the public interface.
class QAbstractButton;

// Shows the page of the tab layout an option is bound to, when the option is selected.
void ApplyTabBinding(QAbstractButton* option);

// Item data role of combo and list items holding their text id (resource-text items).
int ItemTextIdRole();
