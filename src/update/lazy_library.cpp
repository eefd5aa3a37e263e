#include "update/lazy_library.h"

#include <dlfcn.h>

CLazyLibrary::CLazyLibrary(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        handle_ = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (handle_ != nullptr) return;
        const char* why = dlerror();
        if (!error_.empty()) error_ += "; ";
        error_ += why != nullptr ? why : name;
    }
}

void* CLazyLibrary::Find(const char* name) {
    if (handle_ == nullptr) return nullptr;
    void* address = dlsym(handle_, name);
    if (address == nullptr) error_ = std::string("no ") + name + " in the library";
    return address;
}
