#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: station_acl
short_description: Keep wireless clients on or off the access lists of Corvane base stations
version_added: 0.1.0
description:
  - Lists wireless clients on the access list of one base station, or of every station that answers a scan,
    or takes them off, through C(corvane acl add) and C(corvane acl remove).
  - A station is written (and restarts) only when its list is not already as asked; access control is on while
    the list has clients and goes off with the last one.
  - Each client is one C(corvane) run; keep C(wait) on when several clients may change the same station.
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
  clients:
    description:
      - The wireless clients.
    type: list
    elements: dict
    required: true
    suboptions:
      id:
        description:
          - The client's Corvane ID, twelve hexadecimal digits with colons, hyphens or spaces anywhere among
            them.
        type: str
        required: true
      description:
        description:
          - At most 33 Windows-1252 characters on one line; a listed client gets the new description.
          - Only with I(state=present).
        type: str
  state:
    description:
      - C(present) lists each client (with its description); C(absent) takes every entry of each ID off.
    type: str
    choices: [present, absent]
    default: present
'''

EXAMPLES = r'''
- name: Let the front-desk laptop join every station of the site
  corvane.admin.station_acl:
    all: true
    clients:
      - id: 00:1A:2B:3C:4D:5E
        description: Front desk laptop
    password: "{{ corvane_password }}"

- name: Take a lost phone off one station
  corvane.admin.station_acl:
    station: 10.0.1.7
    clients:
      - id: 0011-2233-4455
    state: absent
    password: "{{ corvane_password }}"
'''

RETURN = r'''
stations:
  description: Each station's record, as M(corvane.admin.station_config) returns it; C(changes) holds C(acTa)
    (the list, before and after) and C(acEn) when access control goes on or off.
  returned: always
  type: list
  elements: dict
  sample: [{"address": "10.0.1.7", "name": "Lobby", "wan_mac": "02:CB:02:00:00:01", "changed": true,
            "failed": false, "results": ["changed acTa 0 entries -> 1 entry, acEn 0 -> 1; back, as written"],
            "changes": [{"tag": "acTa", "meaning": "Access control list", "before": [],
                         "after": [{"corvaneId": "00:1A:2B:3C:4D:5E", "description": "Laptop"}]}]}]
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
        clients=dict(type='list', elements='dict', required=True, options=dict(
            id=dict(type='str', required=True),
            description=dict(type='str'),
        )),
        state=dict(type='str', choices=['present', 'absent'], default='present'),
    ))
    present = module.params['state'] == 'present'
    edits = []
    for client in module.params['clients']:
        if present:
            described = [client['description']] if client['description'] is not None else []
            edits.append((['acl', 'add'], [client['id']] + described))
        elif client['description'] is not None:
            module.fail_json(msg='a client is taken off by its ID alone: %s has a description' % client['id'])
        else:
            edits.append((['acl', 'remove'], [client['id']]))
    run_edits(Corvane(module), edits)


if __name__ == '__main__':
    main()
