#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: station_portmap
short_description: Keep port mappings on or off Corvane base stations
version_added: 0.1.0
description:
  - Forwards ports of the Internet address of one base station, or of every station that answers a scan, to
    computers on its local network, or takes such mappings off, through C(corvane portmap add) and
    C(corvane portmap remove).
  - A mapping identical in all three fields to a listed one is already there; a station is written (and
    restarts) only when its table is not already as asked.
  - Each mapping is one C(corvane) run; keep C(wait) on when several mappings may change the same station.
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
  mappings:
    description:
      - The port mappings.
    type: list
    elements: dict
    required: true
    suboptions:
      public_port:
        description:
          - The port of the station's Internet address, 0 to 65535.
        type: int
        required: true
      private_address:
        description:
          - The computer on the local network, a dotted quad.
        type: str
        required: true
      private_port:
        description:
          - Its port, 0 to 65535.
        type: int
        required: true
  state:
    description:
      - C(present) adds each mapping; C(absent) takes off every mapping identical to it.
    type: str
    choices: [present, absent]
    default: present
'''

EXAMPLES = r'''
- name: Forward port 8080 of every station to the web server
  corvane.admin.station_portmap:
    all: true
    mappings:
      - public_port: 8080
        private_address: 10.0.1.5
        private_port: 80
    password: "{{ corvane_password }}"
'''

RETURN = r'''
stations:
  description: Each station's record, as M(corvane.admin.station_config) returns it; C(changes) holds C(pmTa)
    (the table, before and after).
  returned: always
  type: list
  elements: dict
  sample: [{"address": "10.0.1.7", "changed": true, "failed": false,
            "results": ["changed pmTa 0 entries -> 1 entry; back, as written"],
            "changes": [{"tag": "pmTa", "meaning": "Port mapping table", "before": [],
                         "after": [{"publicPort": 8080, "privateAddress": "10.0.1.5", "privatePort": 80}]}]}]
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


def main():
    module = station_module(dict(
        mappings=dict(type='list', elements='dict', required=True, options=dict(
            public_port=dict(type='int', required=True),
            private_address=dict(type='str', required=True),
            private_port=dict(type='int', required=True),
        )),
        state=dict(type='str', choices=['present', 'absent'], default='present'),
    ))
    command = ['portmap', 'add' if module.params['state'] == 'present' else 'remove']
    run_edits(Corvane(module), [
        (command, [str(m['public_port']), m['private_address'], str(m['private_port'])])
        for m in module.params['mappings']])


if __name__ == '__main__':
    main()
