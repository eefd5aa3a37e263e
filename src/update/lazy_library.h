#pragma once
// A shared library opened when it is first needed instead of when the program starts, for
// dependencies that most runs never use (the network and digest libraries of the update).
// It stays open for the life of the process: TLS libraries register handlers that must
// outlive any one user, and the objects are kept in function-local statics.
#include <initializer_list>
#include <string>

class CLazyLibrary {
public:
    // Opens the first of `names` that loads; Loaded() tells whether one did.
    explicit CLazyLibrary(std::initializer_list<const char*> names);
    CLazyLibrary(const CLazyLibrary&) = delete;
    CLazyLibrary& operator=(const CLazyLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    // Why nothing loaded ("libcurl.so.4: cannot open shared object file ...").
    const std::string& Error() const { return error_; }

    // Sets *function to the library's symbol `name`; false (and Error() names it) when
    // the library has none or is not loaded.
    template <typename Function>
    bool Resolve(const char* name, Function* function) {
        void* address = Find(name);
        *function = reinterpret_cast<Function>(address);
        return address != nullptr;
    }

private:
    void* Find(const char* name);

    void* handle_ = nullptr;
    std::string error_;
};
