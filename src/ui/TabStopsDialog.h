#pragma once
// "Set Ta&b Stops...": the tab stop width in characters, kept in the
// profile as dialog units (characters x 4).

class QWidget;

namespace z5 {

class EditorProfile;

// True when the user set a width; the caller applies the profile to every
// open editor.
bool runTabStopsDialog(QWidget* parent, EditorProfile& profile);

}  // namespace z5
