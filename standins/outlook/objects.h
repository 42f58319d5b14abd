// The objects of the stand-in Outlook's object model. Each New... makes a fresh
// object for one caller, holding the one reference it is created with; the
// objects keep no state of their own beyond what names their part of the store.
#pragma once

#include <string>
#include <vector>

#include "dispatch.h"

namespace standin {

Object* NewApplication();
Object* NewNameSpace();
// Folders of the top level (the namespace's), or inside the folder `parent`.
Object* NewTopFolders();
Object* NewFolders(std::string parent);
Object* NewFolder(std::string path);
Object* NewItems(std::string folder);
Object* NewExplorer(int id);
Object* NewInspectors();
Object* NewItem(int id);
Object* NewRecipients(int item);
Object* NewRecipient(int item, int position);
Object* NewAttachments(int item);
Object* NewAttachment(int item, int position);

// The top level holds one folder, the one every other folder is in.
std::vector<std::string> TopFolders();
// The folder of `paths` that the first argument names, by name or by position from 1.
std::string PickFolder(const std::vector<std::string>& paths, const Args& args);

// The path of the folder `object` stands for, or null when it is no folder.
const std::string* FolderPath(const Object* object);

}  // namespace standin
