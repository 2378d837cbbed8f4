#pragma once

#include <exception>
#include <functional>

namespace rt {

// The runtime's part of the program's start-up and ending, called by the program in this order:
//   RuntimeInit, RuntimePerformInitializers, then the program's Main (which installs the
//   exception helper, names the runtime version it was built for, sets up its own classes and
//   objects, and calls RunFrameworkInitialization and RuntimeRun), RuntimePerformFinalizers,
//   RuntimeExit.
// Each step announces itself to the start-up trace (runtime/core/startup_trace.h).

// Keeps the process arguments for the framework, which is made later so that settings such as
// high-DPI support can still be chosen.
void RuntimeInit(int& argc, char** argv);
// Makes the runtime's own classes known and resets its module state.
void RuntimePerformInitializers();

// The helper through which the runtime calls a program function that may raise: it calls
// `function(argument)` and returns the runtime exception the function raised, or a null
// exception_ptr; any other exception passes through.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// The runtime version the program was built for, as a number like 2019.031.
void RuntimeSetTargetVersion(double version);
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// Makes the framework (Qt's application object, unless one exists) and then runs `lateStartup`
// once, through the exception helper; a runtime exception it raised is raised again here.
void RunFrameworkInitialization(void (*lateStartup)());
// The event loop, until Quit. Returns at once when Quit came before it.
void RuntimeRun();
// The runtime's report of an exception that nothing in the program caught: a message box, after
// which the program ends with a non-zero exit code.
void UnhandledException(std::exception_ptr exception) noexcept;

// Closes what is still open and releases the application object.
void RuntimePerformFinalizers();
// The process exit code: Quit's code, or 1 after an unhandled exception.
int RuntimeExit();

}  // namespace rt
