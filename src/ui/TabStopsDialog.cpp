#include "ui/TabStopsDialog.h"

#include <QObject>

#include "editor/EditorProfile.h"
#include "ui/NumberDialog.h"

namespace z5 {
bool runTabStopsDialog(QWidget* parent, EditorProfile& profile) {
  const auto characters = askNumber(parent, QObject::tr("Set Tab Stops"), QObject::tr("&Tab Stops:"),
                                    profile.tabStopCharacters(), 1, EditorProfile::kWidestTabStop);
  return characters && profile.setTabStopCharacters(*characters);
}

}  // namespace z5
