#pragma once
// Where the program's files live. The program folder is the folder that holds "skin/" and
// "DefaultData/": the environment variable KVELM_DATA_DIR when set and not empty, else the
// executable's folder when it holds "skin/", else "../share/kvelm" beside the executable
// when that holds "skin/", else the executable's folder. No Qt application is needed.
// All paths are absolute, with '/' separators and without a trailing '/'.
#include <string>

std::string ProgramFolder();
// ProgramFolder() + "/skin".
std::string SkinFolder();
// A file name as the program writes it ("XML\\DeviceXml\\mousedevice.xml") turned into
// a relative path with '/' separators; leading separators are dropped.
std::string ToSlashPath(const std::string& name);
