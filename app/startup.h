#pragma once

#include <exception>

// The program's start-up, in its fixed order; each step raises whatever its own steps raise.
namespace quorvane {

// The whole process: the runtime's initialisers, Main, its finalizers; the exit code.
int RunProgram(int argc, char** argv);

// The exception helper handed to the runtime: calls `function(argument)` and returns the runtime
// exception it raised, or null; other exceptions pass through.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// Start-up up to and including the event loop; an exception in any step skips the rest and goes
// to the runtime's report of an unhandled exception.
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

}  // namespace quorvane
