#include "settings/ProfileGroupChoice.h"

#include "model/Project.h"
#include "settings/ProfileStore.h"

void ChooseProfileGroup(const TProfileStore& store, const QString& groupName, TProfileGroup& active,
                        TProject& project) {
    project.profileGroupName = groupName;
    LoadProfileGroup(store, groupName, active);
}
