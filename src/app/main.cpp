// kvelm: the configuration program of the KV_ELM gaming devices.
#include "app/startup.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv);
}
