# Sourced: starts a session bus and the accessibility bus for the program, with
# Qt's bridge always on, its settings and runtime folders under $1. Sets
# `launcher` (the bus launcher's process) for the caller to stop.
eval "$(dbus-launch --sh-syntax)" >/dev/null
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_CONFIG_HOME="$1/config"
export XDG_RUNTIME_DIR="$1/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
