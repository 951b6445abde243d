#pragma once

#include <QString>

class TProfileGroup;
class TProfileStore;
class TProject;

// The one way a profile group becomes the active one, whoever chooses it (the settings window, the
// new order window, reopening an order): the project takes the group's name and the active values
// are read from the store. A name that selects no stored group changes no value.
void ChooseProfileGroup(const TProfileStore& store, const QString& groupName, TProfileGroup& active, TProject& project);
