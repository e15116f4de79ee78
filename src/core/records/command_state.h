#pragma once

// The record editor's three command states: browsing saved records, editing the shown one, and
// entering a new one. Which commands each state allows follows from it.
enum class CommandState { Browsing, Editing, NewRecord };
