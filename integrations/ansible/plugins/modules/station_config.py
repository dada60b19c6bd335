#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: station_config
short_description: Set properties of Corvane base stations
version_added: 0.1.0
description:
  - Gives one base station, or every station that answers a scan, the properties asked, through
    C(corvane set). A station is written (and restarts) only when one of them differs.
  - Properties are named by their four-letter tags, as C(corvane show FILE.cfg) lists them, such as C(raCh)
    (radio channel) or C(syNm) (base station name). The access list and the port mappings are tables, which
    M(corvane.admin.station_acl) and M(corvane.admin.station_portmap) edit.
  - Secrets are never properties here; they have options of their own, which the module hands to C(corvane)
    through private files.
author: Corvane Admin Utility developers
extends_documentation_fragment:
  - corvane.admin.corvane
  - corvane.admin.corvane.selection
  - corvane.admin.corvane.edit
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
options:
  properties:
    description:
      - The properties to set, tag to value, each value as C(corvane export)'s JSON holds it (text as it is, a
        whole number, a dotted-quad address); true and false stand for 1 and 0.
      - A change that would break the base station's rules (a channel it does not offer...) is refused, and
        the station fails.
    type: dict
    default: {}
  new_station_password:
    description:
      - A new base station password (C(syPW)).
    type: str
  network_password:
    description:
      - A network password, turned into the network key (C(raWE)) as the desktop utility derives it, with
        encryption on (C(raWM)) at C(network_password_bits).
    type: str
  network_password_bits:
    description:
      - The key's length, with C(network_password).
    type: int
    choices: [40, 128]
    default: 128
  radius_secret:
    description:
      - The primary RADIUS shared secret (C(raSe)).
    type: str
  secondary_radius_secret:
    description:
      - The secondary RADIUS shared secret (C(raS2)).
    type: str
'''

EXAMPLES = r'''
- name: Every station of the site on channel 6, named after its place
  corvane.admin.station_config:
    all: true
    properties:
      raCh: 6
      syLo: Main building
    password: "{{ corvane_password }}"
    backup: true

- name: One station's channel from a channel plan
  corvane.admin.station_config:
    station: "{{ item.address }}"
    properties:
      raCh: "{{ channel_plan[item.name] }}"
    password: "{{ corvane_password }}"
  loop: "{{ corvane_stations }}"

- name: Rotate the network password of every station
  corvane.admin.station_config:
    all: true
    network_password: "{{ vault_network_password }}"
    network_password_bits: 128
    password: "{{ corvane_password }}"
'''

RETURN = r'''
stations:
  description: Each station's record, in the order the stations ended.
  returned: always
  type: list
  elements: dict
  contains:
    address:
      description: The station as it was reached, C(HOST[:PORT]).
      type: str
      sample: 10.0.1.7
    name:
      description: Its name, when known (from its discovery answer).
      type: str
      sample: Lobby
    wan_mac:
      description: Its WAN MAC address, when known.
      type: str
      sample: 02:CB:02:00:00:01
    changed:
      description: Whether it was written (in check mode, would be).
      type: bool
    failed:
      description: Whether it failed.
      type: bool
    changes:
      description: The properties that differ, each with tag, meaning, before and after (secrets hidden).
      type: list
      elements: dict
      sample: [{"tag": "raCh", "meaning": "Radio channel", "before": 1, "after": 6}]
    results:
      description: C(corvane)'s line for the station, or why it failed.
      type: list
      elements: str
      sample: ["changed raCh 1 -> 6; back, as written"]
    backup:
      description: Where its previous configuration was kept, with I(backup).
      type: str
      returned: when it changed and I(backup) was asked
backup_files:
  description: Every copy kept by I(backup).
  returned: always
  type: list
  elements: str
failed_stations:
  description: The stations that failed.
  returned: failure
  type: list
  elements: str
'''

from ansible_collections.corvane.admin.plugins.module_utils.corvane import Corvane, run_edits, station_module

# Secret options and the corvane option whose file carries each.
SECRET_OPTIONS = (
    ('new_station_password', '--station-password-file'),
    ('network_password', '--network-password-file'),
    ('radius_secret', '--radius-secret-file'),
    ('secondary_radius_secret', '--secondary-radius-secret-file'),
)


def assignment(tag, value):
    if isinstance(value, bool):
        value = int(value)
    return '%s=%s' % (tag, value)


def main():
    module = station_module(dict(
        properties=dict(type='dict', default={}),
        new_station_password=dict(type='str', no_log=True),
        network_password=dict(type='str', no_log=True),
        network_password_bits=dict(type='int', choices=[40, 128], default=128, no_log=False),
        radius_secret=dict(type='str', no_log=True),
        secondary_radius_secret=dict(type='str', no_log=True),
    ))
    params = module.params
    command = ['set']
    tool = Corvane(module)
    for option, flag in SECRET_OPTIONS:
        if params[option] is not None:
            command += [flag, tool.secret_file(option, params[option])]
    if params['network_password'] is not None:
        command += ['--bits', str(params['network_password_bits'])]
    assignments = [assignment(tag, value) for tag, value in sorted(params['properties'].items())]
    if not assignments and len(command) == 1:
        tool.fail('nothing to set: give properties or a secret')
    run_edits(tool, [(command, assignments)])


if __name__ == '__main__':
    main()
