# fish completion for morvane-flash: its commands, and the options each command takes.
# Models and versions are not offered: they are known only once the catalogue is fetched.

set -l commands list notes devices flash lint sign bundle doctor
complete -c morvane-flash -f

complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a list -d 'The models and their versions'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a notes -d 'The release notes of a version'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a devices -d 'Attached devices with the catalogue\'s ids'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a flash -d 'Download a version and flash it'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a lint -d 'Check a list file for its publisher'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a sign -d 'Fill in a list file\'s digests and sign it'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a bundle -d 'Keep the signed list and chosen versions for use without a network'
complete -c morvane-flash -n "not __fish_seen_subcommand_from $commands" -a doctor -d 'Check what updating needs here'

complete -c morvane-flash -s h -l help -d 'Show the help'
complete -c morvane-flash -l version -d 'Show the version, the catalogue address and its keys'
complete -c morvane-flash -l catalogue -x -d 'Read this list file instead of the build\'s'
complete -c morvane-flash -l bundle -x -a '(__fish_complete_directories)' -d 'Read everything from this bundle folder, not the network'
complete -c morvane-flash -n "__fish_seen_subcommand_from bundle; and not __fish_seen_subcommand_from create" -a create -d 'Write a bundle into a folder'
complete -c morvane-flash -n "__fish_seen_subcommand_from create" -a '(__fish_complete_directories)'

complete -c morvane-flash -n "__fish_seen_subcommand_from list devices flash lint doctor" -l json -d 'Print JSON'
complete -c morvane-flash -n "__fish_seen_subcommand_from devices flash" -l watch -d 'devices: tell arrivals and departures; flash: flash each device plugged in'
complete -c morvane-flash -n "__fish_seen_subcommand_from devices flash" -l vid -x -d 'USB vendor id (hexadecimal)'
complete -c morvane-flash -n "__fish_seen_subcommand_from devices flash" -l pid -x -d 'USB product id (hexadecimal)'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l file -r -F -d 'Flash this image file instead of a download'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l all-devices -d 'Flash every attached device with the ids at once'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l ignore-battery -d 'Flash even on a battery below 10%'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l quiet -d 'Print only the outcome'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l serial -x -d 'Only the device with this serial number'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l path -r -F -d 'Only the device at this path'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l wait -d 'Wait for a matching device (--wait=SECONDS to give up)'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l log -r -F -d 'Append a JSON line for every device attempted'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l settle -x -d 'Seconds a flashed device without serial number has to come back'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l sha256 -x -d 'SHA-256 the image file must have'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l station -x -d 'Name this bench in every log line, journal entry and metric'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l label -x -d 'Add KEY=VALUE to every log line, journal entry and metric'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l journal -d 'Send each unit\'s record to the systemd journal'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l metrics -r -F -d 'Keep this node_exporter textfile of the units\' counts'
complete -c morvane-flash -n "__fish_seen_subcommand_from lint" -l fetch -d 'Also download every notes text and image'
complete -c morvane-flash -n "__fish_seen_subcommand_from lint sign" -l public-key -r -F -d 'Check the signature with this minisign public key'
complete -c morvane-flash -n "__fish_seen_subcommand_from sign" -l secret-key -r -F -d 'Sign with this minisign secret key'
complete -c morvane-flash -n "__fish_seen_subcommand_from sign" -l expires -x -d 'Days until the signed list expires (default 30)'
complete -c morvane-flash -n "__fish_seen_subcommand_from lint sign" -F
complete -c morvane-flash -n "__fish_seen_subcommand_from doctor" -l root -r -a "(__fish_complete_directories)" -d 'Read the udev rules under this folder'
complete -c morvane-flash -n "__fish_seen_subcommand_from devices flash" -l port -x -d 'Only devices at a USB port this pattern matches'
complete -c morvane-flash -n "__fish_seen_subcommand_from flash" -l drain-timeout -x -d 'Seconds the first stop signal lets the units in transfer finish'
