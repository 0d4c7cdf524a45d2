# The core's folders are layers, listed from the leaves to the composition. A layer may include and
# link only layers of a lower rank; layers of the same rank are siblings and never use each other.
# The build (src/core/CMakeLists.txt) and the architecture test (tests/architecture) read this list.
set(QUELTA_CORE_LAYERS
    codecs:0     # Windows-1252, CRC-32, string cipher, XXTEA and its checked texts and frames
    base:1       # trace, status bar, dialogs interface, settings, named strings, languages, views
    link:2       # transports, reply dispatcher, link state and supervision, programming lock, entry numbers
    cloud:2      # identity and database clients, the cloud access layer, the sign-in steps
    model:3      # parameter dictionary, bindings, field metadata (input rules, combos, hints), configuration model
    transfer:4   # read and write engines, row values
    status:4     # status frames, presentation state, event log, doors, blink engine
    panels:5     # fire-panel screens, orders, event-text and zone files
    templates:5  # template files
    update:5     # firmware update: the update server's messages, connection, listing and relay
    session:6    # the modules that compose the program
)

# Splits "name:rank" entries into QUELTA_LAYER_<name>_RANK variables and QUELTA_LAYER_NAMES.
function(quelta_read_layers)
    set(names "")
    foreach(entry IN LISTS QUELTA_CORE_LAYERS)
        string(REPLACE ":" ";" parts "${entry}")
        list(GET parts 0 name)
        list(GET parts 1 rank)
        list(APPEND names ${name})
        set(QUELTA_LAYER_${name}_RANK ${rank} PARENT_SCOPE)
    endforeach()
    set(QUELTA_LAYER_NAMES ${names} PARENT_SCOPE)
endfunction()
