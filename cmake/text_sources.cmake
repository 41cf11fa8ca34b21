# The text logic: plain functions on strings that include no Windows header.
# The product builds them for Windows; host/ builds the same list for Linux with
# sanitizers and fuzzers. Paths are relative to the repository's top directory.
set(LAUNCHER_TEXT_SOURCES
  control/control_parameters.cpp
  control/control_text.cpp
  control/line_notes.cpp
  diagnostics/box_text.cpp
  diagnostics/log_text.cpp
  install/clean_up_text.cpp
  install/native_properties.cpp
  install/wizard_command.cpp
  jvm/find/candidate_order.cpp
  jvm/find/jvm_arch.cpp
  jvm/find/search_options.cpp
  jvm/find/search_text.cpp
  jvm/find/version_numbers.cpp
  jvm/find/version_text.cpp
  jvm/setup/installer_arguments.cpp
  launcher/command_line.cpp
  launcher/execution_level.cpp
  launcher/folder_lock_name.cpp
  launcher/startup_text.cpp
  locale/language_match.cpp
  util/copy_stream.cpp
  util/line_reader.cpp
  util/quoting.cpp
  util/text.cpp
  util/version.cpp
)
