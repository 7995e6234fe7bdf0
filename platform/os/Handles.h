#pragma once
// Opaque handles of the game's window and module instance.
// The live backend's window and the headless stand-in both hide behind them.
namespace plat {

struct NativeWindow;
using WindowHandle = NativeWindow*;

struct NativeInstance;
using InstanceHandle = NativeInstance*;

// A non-null instance handle for programs (and tests) that want the input
// singleton created; the handle itself carries nothing.
InstanceHandle ProcessInstance();

}  // namespace plat
